# The fuzzers of the host build's tests: built with clang (libFuzzer) from
# fuzz/ beside the host build, and each run for a fixed number of runs from
# its seeds (a few seconds), failing on any finding. Longer runs:
# fuzz/run-readers.sh.
set(fuzz_readers midi pictures records)
# Runs per fuzzer: about two seconds each here.
set(fuzz_runs_midi 8000)
set(fuzz_runs_pictures 100000)
set(fuzz_runs_records 100000)

find_program(MOSSLEAF_CLANGXX clang++)
if(MOSSLEAF_CLANGXX)
  include(ExternalProject)
  set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
  # Always built: the fuzz build itself knows which sources changed.
  ExternalProject_Add(fuzzers
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/fuzz
    BINARY_DIR ${fuzz_build}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${MOSSLEAF_CLANGXX}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
endif()

foreach(reader ${fuzz_readers})
  if(MOSSLEAF_CLANGXX)
    ml_add_test(fuzz_${reader} ${PROJECT_SOURCE_DIR}/fuzz/run-reader.sh ${fuzz_build}/fuzz_${reader}
                ${reader} ${fuzz_build}/run-${reader} -runs=${fuzz_runs_${reader}})
  else()
    ml_skipped_test(fuzz_${reader} "clang++ (libFuzzer) is not installed")
  endif()
endforeach()
