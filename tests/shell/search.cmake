# Digit conversions, the device search, the search view, language choice,
# start-up and the port selection view, and the control kinds these screens brought.
file(GLOB shell_search_test_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/DigitConversionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Search*Test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form*ModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComprtModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenControlsTest.cpp)
vardeck_gtest(shell_search_tests SOURCES ${shell_search_test_sources} LIBS vardeck_shell vardeck_sim LABELS shell)
