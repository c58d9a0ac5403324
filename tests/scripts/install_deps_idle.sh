#!/usr/bin/env bash
# With every package installed, the dependency script must not call apt at all: an apt call
# fails offline or while another package manager holds the lock. Every apt entry point is
# replaced by a stub that records the call and fails.
set -u
# Usage: install_deps_idle.sh PATH-OF-install-deps.sh [ITS OPTIONS...]
script="${1:?path of install-deps.sh}"
shift
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
for tool in apt-get apt apt-cache sudo; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\nexit 1\n' "$tool" "$stubs" > "$stubs/$tool"
  chmod +x "$stubs/$tool"
done
PATH="$stubs:$PATH" "$script" "$@"
rc=$?
if [ -s "$stubs/calls" ]; then
  echo "install-deps.sh called apt although everything is installed:"; cat "$stubs/calls"
  exit 1
fi
[ $rc -eq 0 ] || { echo "install-deps.sh failed with $rc"; exit 1; }
echo "install-deps.sh ran no apt command"
