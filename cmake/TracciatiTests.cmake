# Under the sanitizers some tests run many times slower (every large table is
# mapped and poisoned afresh), so their builds give each test five times as long.
if(TRACCIATI_SANITIZE OR TRACCIATI_FUZZ)
  set(TRACCIATI_TEST_TIMEOUT 300)
else()
  set(TRACCIATI_TEST_TIMEOUT 60)
endif()

# tracciati_add_test(NAME SOURCES... LIBS ... [GUI] [MAIN file])
# One test program per library; every test gets a timeout so that nothing can
# hang CI, and GUI tests run on the offscreen platform. MAIN replaces
# GoogleTest's main with the given one (GUI tests need one that creates the
# application object). Test names start with the program's name, so that
# "ctest -R editor" picks one program's tests.
function(tracciati_add_test name)
  cmake_parse_arguments(ARG "GUI" "MAIN" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_MAIN})
  if(ARG_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  set(props TIMEOUT ${TRACCIATI_TEST_TIMEOUT})
  if(ARG_GUI)
    list(APPEND props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  # Cross-built programs are listed under wine when ctest runs, once the
  # wine prefix exists, not at build time.
  if(CMAKE_CROSSCOMPILING)
    set(discovery DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  else()
    set(discovery DISCOVERY_TIMEOUT 30)
  endif()
  gtest_discover_tests(${name} TEST_PREFIX "${name}." ${discovery} PROPERTIES ${props})
endfunction()
