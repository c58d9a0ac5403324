vardeck_gtest(shell_logo_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/JpegLogoTest.cpp LIBS vardeck_shell LABELS shell)
