# Fuzz targets.
#
#   kolvar_fuzz_target(<name> SOURCE <file> COVER <libraries...> [LINK <libraries...>])
#
# <file> defines LLVMFuzzerTestOneInput. Every build replays the committed
# seeds in fuzz_corpus/<name> beside the calling CMakeLists.txt through it
# (the CTest test <name>_fuzz_corpus). When the compiler can build libFuzzer
# programs (clang with its runtime), the program <name>_fuzzer is built too:
# the sources of the COVER libraries are compiled into it, instrumented for
# coverage, with their own compile definitions; the LINK libraries, and what
# the COVER libraries link that is not covered, are linked as they are and
# must not depend on a COVER library. scripts/test --sanitize runs the fuzzers it lists.
include(CheckCXXSourceCompiles)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
  check_cxx_source_compiles(
    "#include <cstddef>\n#include <cstdint>\nextern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }"
    KOLVAR_HAVE_LIBFUZZER)
  unset(CMAKE_REQUIRED_FLAGS)
endif()

function(kolvar_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE" "COVER;LINK" ${ARGN})
  set(harness ${PROJECT_SOURCE_DIR}/tests/fuzz)
  add_executable(${name}_fuzz_replay ${F_SOURCE} ${harness}/fuzz_replay_main.cpp)
  target_include_directories(${name}_fuzz_replay PRIVATE ${harness})
  target_link_libraries(${name}_fuzz_replay PRIVATE ${F_COVER} ${F_LINK})
  add_test(NAME ${name}_fuzz_corpus COMMAND ${name}_fuzz_replay ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_corpus/${name})
  if(NOT KOLVAR_HAVE_LIBFUZZER)
    return()
  endif()
  set(covered)
  foreach(library IN LISTS F_COVER)
    get_target_property(directory ${library} SOURCE_DIR)
    get_target_property(sources ${library} SOURCES)
    foreach(source IN LISTS sources)
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory})
      list(APPEND covered ${source})
    endforeach()
  endforeach()
  add_executable(${name}_fuzzer ${F_SOURCE} ${covered})
  target_include_directories(${name}_fuzzer PRIVATE ${harness})
  set(linked ${F_LINK})
  foreach(library IN LISTS F_COVER)
    target_include_directories(${name}_fuzzer PRIVATE $<TARGET_PROPERTY:${library},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_definitions(${name}_fuzzer PRIVATE $<TARGET_PROPERTY:${library},COMPILE_DEFINITIONS>)
    get_target_property(dependencies ${library} LINK_LIBRARIES)
    foreach(dependency IN LISTS dependencies)
      if(dependency AND NOT dependency IN_LIST F_COVER)
        list(APPEND linked ${dependency})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES linked)
  target_link_libraries(${name}_fuzzer PRIVATE ${linked})
  # Optimised even in a Debug build: many more inputs per second.
  target_compile_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer -O1)
  target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
endfunction()
