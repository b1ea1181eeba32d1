# Included by the main build: builds the fuzz targets as their own clang project inside this build
# folder, and gives CTest one test per target, which runs it over its seed corpus and then for a
# few thousand executions more, so that a change that breaks a property fails the tests.
include(ExternalProject)
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)

set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
set(fuzz_binaries)
foreach(target IN LISTS ZEN_FUZZ_TARGETS)
  list(APPEND fuzz_binaries ${fuzz_build}/fuzz_${target})
endforeach()
ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${ZEN_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  # The main build already keeps the machine's cores busy.
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 1
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${fuzz_binaries}
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD OFF)

foreach(target IN LISTS ZEN_FUZZ_TARGETS)
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-target ${fuzz_build}/fuzz_${target}
            ${CMAKE_CURRENT_LIST_DIR}/corpus/${target} ${CMAKE_BINARY_DIR}/fuzz-check/${target} 4000 fresh)
endforeach()
