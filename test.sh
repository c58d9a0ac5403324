#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

# The view tests run without a display.
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir build --output-on-failure -j "$jobs" || status=1

# The serial channel's threads once more under ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDECK_TSAN=ON -DVARDECK_BUILD_UI=OFF >/dev/null
cmake --build build-tsan -j "$jobs" --target serial_tests vardeck-sim
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -L serial || status=1

exit $status
