#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
#
#   ./test.sh             the build in build/ and every test, then the serial channel's
#                         and the transfer engine's pty tests once more under
#                         ThreadSanitizer (build-tsan/)
#   ./test.sh --sanitize  every test once more, built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer (build-asan/)
#
# VARDECK_WERROR=ON in the environment turns every compiler warning into an error.
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "" | --sanitize) ;;
  *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac
./scripts/install-deps.sh

jobs=$(nproc)
werror="-DVARDECK_WERROR=${VARDECK_WERROR:-OFF}"
# The view tests run without a display.
export QT_QPA_PLATFORM=offscreen
status=0

if [ "${1:-}" = --sanitize ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDECK_ASAN=ON -DVARDECK_BUILD_UI=ON "$werror" >/dev/null
  cmake --build build-asan -j "$jobs"
  # Leaks count as failures; the suppressions name only system libraries' own caches.
  ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" || status=1
  exit $status
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$werror" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" || status=1

# The threads of the serial channel once more under ThreadSanitizer: its own tests and
# the transfer engine's over pseudo-terminals.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDECK_TSAN=ON -DVARDECK_BUILD_UI=OFF "$werror" >/dev/null
cmake --build build-tsan -j "$jobs" --target serial_tests engine_pty_tests vardeck-sim
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -L 'serial|engine-pty' -j "$jobs" || status=1

exit $status
