# tracciati_add_test(NAME SOURCES... LIBS ... [GUI])
# One test program per library; every test gets a timeout so that nothing can
# hang CI, and GUI tests run on the offscreen platform.
function(tracciati_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set(props TIMEOUT 60)
  if(ARG_GUI)
    list(APPEND props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${props})
endfunction()
