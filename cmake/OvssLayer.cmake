# ovss_add_layer(NAME DIR [DEPS ...] [EXCLUDE file ...])
# One static library per engine folder: every .cpp in DIR (recursively) except the
# files listed in EXCLUDE (those hold dialogs and belong to the dialog target).
function(ovss_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT sources)
    # A folder whose engine part is still to come: an empty archive keeps the targets uniform.
    set(sources ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${sources} "// ${name} has no engine sources yet.\n")
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
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# ovss_add_dialog_sources(files...) : files of the current folder that hold Qt dialogs;
# they are compiled into the dialog library, not into the engine.
function(ovss_add_dialog_sources)
  foreach(f IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY OVSS_DIALOG_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()
