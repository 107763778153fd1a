# Every test runs in a temporary working directory of its own, and every Wine-run test with
# an X display and a Wine prefix of its own (run_in_tmp.sh), so independent tests run side
# by side (ctest -j). The prefixes are copies of one made once by the fixture prefix.make.
set(WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wineprefix)
set(HARNESS ${CMAKE_CURRENT_LIST_DIR})
set(WINE64 /usr/lib/wine/wine64 CACHE FILEPATH "64-bit Wine loader")

add_test(NAME prefix.make COMMAND ${HARNESS}/prefix.sh ${WINE_TEMPLATE})
set_tests_properties(prefix.make PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)

# pairwick_gtest(LAYER TARGET SUITE [COST seconds]): one CTest entry for the GoogleTest
# suites whose names start with SUITE. COST, roughly its seconds alone, starts the longest
# tests first on a build tree without CTest's own timings yet.
function(pairwick_gtest layer target suite)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "COST" "")
  set(name ${layer}.${suite})
  add_test(NAME ${name}
    COMMAND ${HARNESS}/run_in_tmp.sh --wine ${WINE_TEMPLATE} --art ${DIST_DIR} --
            ${HARNESS}/gtest.sh $<TARGET_FILE:${target}> ${suite}*:*/${suite}*)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix LABELS ${layer}
                                          TIMEOUT 300)
  if(arg_COST)
    set_tests_properties(${name} PROPERTIES COST ${arg_COST})
  endif()
endfunction()

# pairwick_pytest(NAME FILE [LABELS label...] [COST seconds] [OWN_DISPLAY | NO_WINE]
#                 [LOCK name]): a black-box pytest file, run with a display and a Wine prefix
# of its own. Each test of the file makes its own working directory. OWN_DISPLAY: the test
# starts the X server it needs itself and gets neither; NO_WINE: a display only. LOCK: the
# test must not overlap another holding that lock, in this run or another on the tree.
set(PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python with pytest and PIL (Debian's)")
# Screenshots and logs go to test-output/<test name>/ in the build tree; pytest's own
# temporary folders stay inside the test's working directory.
set(TEST_OUTPUT ${CMAKE_BINARY_DIR}/test-output)
function(pairwick_pytest name file)
  cmake_parse_arguments(PARSE_ARGV 2 arg "OWN_DISPLAY;NO_WINE" "COST;LOCK" "LABELS")
  set(session --wine ${WINE_TEMPLATE})
  if(arg_OWN_DISPLAY)
    set(session)
  elseif(arg_NO_WINE)
    set(session --display)
  endif()
  set(lock)
  if(arg_LOCK)
    set(lock --lock ${CMAKE_BINARY_DIR}/${arg_LOCK}.lock)
  endif()
  add_test(NAME blackbox.${name}
    COMMAND ${HARNESS}/run_in_tmp.sh ${session} ${lock}
            --evidence ${TEST_OUTPUT}/blackbox.${name} --
            env PAIRWICK_EXE=$<TARGET_FILE:Pairwick> PAIRWICK_DIST=${DIST_DIR}
            ${PYTHON3} -m pytest -q -p no:cacheprovider --basetemp=pytest-tmp ${file})
  set_tests_properties(blackbox.${name} PROPERTIES LABELS "blackbox;${arg_LABELS}"
                                                   TIMEOUT 1500)
  if(NOT arg_OWN_DISPLAY AND NOT arg_NO_WINE)
    set_tests_properties(blackbox.${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  endif()
  if(arg_COST)
    set_tests_properties(blackbox.${name} PROPERTIES COST ${arg_COST})
  endif()
  if(arg_LOCK)
    set_tests_properties(blackbox.${name} PROPERTIES RESOURCE_LOCK ${arg_LOCK})
  endif()
endfunction()
