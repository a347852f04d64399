# melvoro_add_test(<name> [QT] [SERIAL] SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# One GoogleTest executable per unit; each test case becomes its own CTest test. QT: the test
# drives real widgets (links the ui layer and Qt Test, runs on the offscreen platform). SERIAL: the
# tests run alone.
include(GoogleTest)

function(melvoro_add_test name)
  cmake_parse_arguments(ARG "QT;SERIAL" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE melvoro_test_support ${ARG_LIBS} GTest::gtest)
  set(env "MELVORO_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
  if(ARG_QT)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE melvoro_ui Qt6::Test)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set(props TIMEOUT 120 ENVIRONMENT "${env}")
  if(ARG_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  if(ARG_LABELS)
    list(APPEND props LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${props})
endfunction()

# melvoro_add_screenshot(<name> SOURCES <files...> [LIBS <targets...>])
# Not a test: a program that stages one scene and saves the documentation's picture of it
# (run under Xvfb with the output folder as its argument).
function(melvoro_add_screenshot name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE melvoro_screenshot_support ${ARG_LIBS})
  add_dependencies(${name} netsim)
endfunction()
