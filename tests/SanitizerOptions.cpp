// SanitizerOptions.cpp - the sanitizer settings of the test programs in a sanitizer build,
// compiled into each of them so that they hold when a program is run by hand as well as by
// ctest (an environment variable still overrides them).
extern "C" {

// Leaks, overlapping string arguments, static objects used before they are made, and
// stack memory used after its function returned.
const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:check_initialization_order=1:"
           "strict_init_order=1:detect_stack_use_after_return=1";
}

// A finding prints where it happened.
const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
}
