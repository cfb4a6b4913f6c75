# ovss: `make test` and `make demo` are the two everyday commands.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
OVSS := $(BUILD)/bin/ovss
# The engine's tests built again with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= $(BUILD)-asan
CLANG_FORMAT ?= $(shell command -v clang-format-14 || echo clang-format)

.PHONY: all deps configure build test test-sanitize demo bench studio fuzz format format-check \
	clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The format check comes first, so that an unformatted file fails in seconds, not after the
# build; then every test, then the engine's tests under the sanitizers.
test: format-check
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

test-sanitize: deps
	@cmake --preset 'asan+ubsan' -B $(ASAN_BUILD) > /dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS) --target test_programs
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

# Only the demo's own output: the build's log is shown when the build fails.
demo: configure
	@cmake --build $(BUILD) -j$(JOBS) --target ovss_cli > $(BUILD)/demo-build.log 2>&1 \
		|| { cat $(BUILD)/demo-build.log; exit 1; }
	@./scripts/demo.sh $(OVSS)

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

studio: build
	@cmake --build $(BUILD) -j$(JOBS) --target ovss-studio
	@$(BUILD)/bin/ovss-studio

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DOVSS_FUZZ=ON -DOVSS_BUILD_DIALOGS=OFF > /dev/null
	@cmake --build $(BUILD)-fuzz -j$(JOBS) --target fuzzers
	@./scripts/fuzz.sh $(BUILD)-fuzz

# Every C++ source in git, and new ones not yet added (deleted ones left out).
SOURCES = git ls-files --cached --others --exclude-standard '*.cpp' '*.h' \
	| while read -r f; do [ -f "$$f" ] && echo "$$f"; done

format:
	@$(SOURCES) | xargs -d '\n' $(CLANG_FORMAT) -i

format-check: deps
	@$(SOURCES) | xargs -d '\n' $(CLANG_FORMAT) --dry-run --Werror \
		|| { echo "Unformatted files above: run 'make format'." >&2; exit 1; }

clean:
	@rm -rf $(BUILD) $(BUILD)-fuzz $(ASAN_BUILD)
