# Each source folder is one static library. Neutral sources go into both
# builds; WIN32 sources only into the Windows build.
#   ml_area(<name> NEUTRAL a.cpp ... WIN32 b.cpp ... DEPS other_area ... LIBS gdi32 ...)
function(ml_area name)
  cmake_parse_arguments(A "" "" "NEUTRAL;WIN32;DEPS;LIBS" ${ARGN})
  set(srcs ${A_NEUTRAL})
  if(WIN32)
    list(APPEND srcs ${A_WIN32})
  endif()
  if(NOT srcs)
    add_library(ml_${name} INTERFACE)
    target_include_directories(ml_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    foreach(d ${A_DEPS})
      target_link_libraries(ml_${name} INTERFACE ml_${d})
    endforeach()
    return()
  endif()
  add_library(ml_${name} STATIC ${srcs})
  target_include_directories(ml_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(d ${A_DEPS})
    target_link_libraries(ml_${name} PUBLIC ml_${d})
  endforeach()
  if(WIN32 AND A_LIBS)
    target_link_libraries(ml_${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

# Registers <build>_<name> as a test that ctest reports skipped, with the reason.
function(ml_skipped_test name reason)
  add_test(NAME ${MOSSLEAF_BUILD}_${name} COMMAND sh -c "echo 'skipped: ${reason}'; exit 77")
  set_tests_properties(${MOSSLEAF_BUILD}_${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# Registers the test <build>_<name>, <build> being MOSSLEAF_BUILD (host, win32
# or win64), so that the builds' tests can run side by side in one ctest run.
# In a Windows build the test runs in the build's Wine prefix; where this
# machine cannot run the build's programs (MOSSLEAF_SKIP_REASON set) it is
# reported skipped, with that reason.
#   ml_add_test(<name> <command> [arg ...])
function(ml_add_test name)
  set(test ${MOSSLEAF_BUILD}_${name})
  if(WIN32 AND MOSSLEAF_SKIP_REASON)
    ml_skipped_test(${name} "${MOSSLEAF_SKIP_REASON}")
    return()
  endif()
  add_test(NAME ${test} COMMAND ${ARGN})
  if(WIN32)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT
      "WINEPREFIX=${MOSSLEAF_WINEPREFIX};MOSSLEAF_WINEPREFIX=${MOSSLEAF_WINEPREFIX}")
  endif()
endfunction()

# One test binary per folder of test sources, registered as one ctest test
# (every Wine start costs about a second).
#   ml_tests(<name> SOURCES ... DEPS area ...)
function(ml_tests name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE gtest_main)
  foreach(d ${T_DEPS})
    target_link_libraries(${name} PRIVATE ml_${d})
  endforeach()
  ml_add_test(${name} ${name})
  set_tests_properties(${MOSSLEAF_BUILD}_${name} PROPERTIES TIMEOUT 300)
endfunction()
