#!/usr/bin/env bash
# Installs what is missing, builds, and starts vardeck.
#   ./run.sh                 no hardware: a simulated T-RIX module (type code 71) with sample
#                            data (resources/demo/trix-demo.img) on a pseudo-terminal
#   ./run.sh --port DEVICE   real hardware on DEVICE (for example /dev/ttyUSB0 or COM3)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target vardeck vardeck-sim

port=""
if [ "${1:-}" = "--port" ]; then
  port="${2:?--port needs a device}"
  shift 2
fi

if [ -z "$port" ]; then
  simdir=$(mktemp -d)
  # The simulator writes its memory back at exit: it gets a copy, the shipped sample stays as it is.
  cp resources/demo/trix-demo.img "$simdir/memory.img"
  ./build/sim/vardeck-sim --device 71 --status-live --memory "$simdir/memory.img" --link "$simdir/module" \
    >"$simdir/sim.out" 2>"$simdir/sim.err" &
  sim_pid=$!
  trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null; rm -rf "$simdir"' EXIT
  for _ in $(seq 100); do [ -e "$simdir/module" ] && break; sleep 0.05; done
  if [ ! -e "$simdir/module" ]; then
    echo "run.sh: the simulator did not start:" >&2; cat "$simdir/sim.err" >&2; exit 1
  fi
  port="$simdir/module"
  echo "No hardware named: running against a simulated module on $port"
fi

# --port overrides the stored "comport" for this run only; the store keeps its value.
./build/ui/vardeck --port "$port" "$@"
