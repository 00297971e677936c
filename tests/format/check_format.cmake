# Fails when a C++ source of the tree differs from what clang-format makes of
# it under the tree's .clang-format, and names the lines.
# Run as: cmake -DSOURCE_ROOT=<tree> -DCLANG_FORMAT=<program> -P check_format.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT is not set")
endif()
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found (bash scripts/setup-machine installs it)")
endif()

set(sources "")
foreach(folder engine app uninstall bench fuzz tests)
  file(GLOB_RECURSE found "${SOURCE_ROOT}/${folder}/*.h" "${SOURCE_ROOT}/${folder}/*.cpp")
  list(APPEND sources ${found})
endforeach()
list(SORT sources)
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${sources}
                WORKING_DIRECTORY "${SOURCE_ROOT}" RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Sources not formatted as .clang-format says:\n${report}")
endif()
