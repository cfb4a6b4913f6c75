# ovss_add_layer(NAME [DEPS ...])
# One static library per engine folder: every .cpp in the folder (recursively). A folder
# whose engine part is still to come gets an interface target, so the targets stay uniform.
function(ovss_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# ovss_add_test_program(NAME DIR LIBS...) : every .cpp in DIR becomes one GoogleTest program.
function(ovss_add_test_program name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE OVSS_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             OVSS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Tests never touch the user's own data and configuration folders.
  set(environment "QT_QPA_PLATFORM=offscreen" "XDG_DATA_HOME=${PROJECT_BINARY_DIR}/test-home/data"
                  "XDG_CONFIG_HOME=${PROJECT_BINARY_DIR}/test-home/config")
  if(OVSS_SANITIZE)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/SanitizerOptions.cpp)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${environment}")
  set_property(GLOBAL APPEND PROPERTY OVSS_TEST_PROGRAMS ${name})
endfunction()
