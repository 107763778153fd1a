# Every Wine-run test shares one display and one prefix, set up by a CTest fixture,
# and runs in a temporary working directory of its own.
set(TEST_STATE ${CMAKE_BINARY_DIR}/test-session.env)
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(HARNESS ${CMAKE_CURRENT_LIST_DIR})
set(WINE64 /usr/lib/wine/wine64 CACHE FILEPATH "64-bit Wine loader")
# Tests that show windows take turns on the shared display, also across overlapping
# ctest runs (RESOURCE_LOCK only orders the tests of one run).
set(DISPLAY_LOCK flock ${CMAKE_BINARY_DIR}/display.lock)

add_test(NAME session.start COMMAND ${HARNESS}/session.sh start ${TEST_STATE} ${WINE_PREFIX})
add_test(NAME session.stop COMMAND ${HARNESS}/session.sh stop ${TEST_STATE} ${WINE_PREFIX})
set_tests_properties(session.start PROPERTIES FIXTURES_SETUP wine_session)
set_tests_properties(session.stop PROPERTIES FIXTURES_CLEANUP wine_session)

# pairwick_gtest(LAYER TARGET SUITE [LOCK]): one CTest entry for the GoogleTest suites
# whose names start with SUITE.
# LOCK serialises tests that show windows on the shared display.
function(pairwick_gtest layer target suite)
  set(name ${layer}.${suite})
  set(lock)
  if(ARGC GREATER 3)
    set(lock ${DISPLAY_LOCK})
  endif()
  add_test(NAME ${name}
    COMMAND ${lock} ${HARNESS}/run_in_tmp.sh ${TEST_STATE} --art ${DIST_DIR} --
            env WINEPREFIX=${WINE_PREFIX} ${HARNESS}/gtest.sh $<TARGET_FILE:${target}>
            ${suite}*:*/${suite}*)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session LABELS ${layer}
                                          TIMEOUT 300)
  if(ARGC GREATER 3)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()

# pairwick_pytest(NAME FILE [LABEL...]): a black-box pytest file, run with the session's
# display and prefix. Each test of the file makes its own working directory.
set(PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python with pytest and PIL (Debian's)")
# Screenshots and logs go to test-output/<test name>/ in the build tree; pytest's own
# temporary folders stay inside the test's working directory.
set(TEST_OUTPUT ${CMAKE_BINARY_DIR}/test-output)
function(pairwick_pytest name file)
  add_test(NAME blackbox.${name}
    COMMAND ${DISPLAY_LOCK} ${HARNESS}/run_in_tmp.sh ${TEST_STATE}
            --evidence ${TEST_OUTPUT}/blackbox.${name} --
            env WINEPREFIX=${WINE_PREFIX} PAIRWICK_EXE=$<TARGET_FILE:Pairwick>
                PAIRWICK_DIST=${DIST_DIR}
            ${PYTHON3} -m pytest -q -p no:cacheprovider --basetemp=pytest-tmp ${file})
  set_tests_properties(blackbox.${name} PROPERTIES FIXTURES_REQUIRED wine_session
                       RESOURCE_LOCK display LABELS "blackbox;${ARGN}" TIMEOUT 1500)
endfunction()
