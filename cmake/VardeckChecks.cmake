# Build switches for checking the code rather than shipping it.
#
#   VARDECK_WERROR  every compiler warning is an error (CI builds).
#   VARDECK_ASAN    AddressSanitizer + UndefinedBehaviorSanitizer on everything; any
#                   undefined behaviour ends the program, so a test that meets it fails.
#   VARDECK_FUZZ    the libFuzzer targets of fuzz/ (clang only): every library is built
#                   with coverage for the fuzzer and both sanitizers, the targets link
#                   libFuzzer's main.
option(VARDECK_WERROR "Treat compiler warnings as errors" OFF)
option(VARDECK_ASAN "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VARDECK_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(VARDECK_WERROR)
  add_compile_options(-Werror)
endif()

if(VARDECK_TSAN AND (VARDECK_ASAN OR VARDECK_FUZZ))
  message(FATAL_ERROR "VARDECK_TSAN cannot be combined with VARDECK_ASAN or VARDECK_FUZZ: use separate build folders")
endif()

if(VARDECK_ASAN OR VARDECK_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VARDECK_ASAN)
  # Line tables are all a sanitizer's report needs, and compile much faster than full
  # debug information. -O1 keeps a Debug build's assertions and exact stacks, and makes
  # the sanitized suite several times faster than -O0.
  add_compile_options(-g1 -O1)
endif()

if(VARDECK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VARDECK_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
