#!/usr/bin/env bash
# Builds the Debian package of vardeck: BUILD/package/vardeck_VERSION_ARCH.deb.
#   ./package.sh                  install the packaging tools when missing, build the package
#   ./package.sh --check          build it, then check it: metadata and file list (dpkg-deb),
#                                 desktop entry and AppStream file, lintian (no errors), an
#                                 install with runs of the installed programs, and a removal
#                                 that leaves nothing behind. It installs and removes the
#                                 package, so it runs as root; exits non-zero on any fault.
#   --build-dir DIR               the build folder (default build-package)
set -euo pipefail
cd "$(dirname "$0")"

check=0
build=build-package
while (($#)); do
  case "$1" in
    --check) check=1 ;;
    --build-dir) build="${2:?--build-dir needs a folder}"; shift ;;
    *) echo "usage: $0 [--check] [--build-dir DIR]" >&2; exit 2 ;;
  esac
  shift
done

fail() {
  echo "package.sh: FAILED: $*" >&2
  exit 1
}

if ((check)) && [ "$(id -u)" -ne 0 ]; then
  fail "--check installs and removes the package: run it as root"
fi

./scripts/install-deps.sh --packaging

# Debian's build flags with every hardening option; no debug information, the
# package's programs are stripped anyway.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
export DEB_CXXFLAGS_MAINT_STRIP="-g"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -DNDEBUG"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DVARDECK_BUILD_UI=ON >/dev/null
cmake --build "$build" -j "$(nproc)" \
  --target vardeck vardeck-cli vardeck-sim vardeck_install_files vardeck_icons
rm -f "$build"/package/vardeck_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
debs=("$build"/package/vardeck_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=$(realpath "${debs[0]}")
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
((check)) || exit 0

# --- The check --------------------------------------------------------------------
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
brand=$(cache VARDECK_BRAND)
app_id=$(cache VARDECK_APP_ID)
[ -n "$version" ] && [ -n "$brand" ] && [ -n "$app_id" ] || fail "cannot read the build's version, brand and id"

if dpkg-query -W -f='${Status}' vardeck 2>/dev/null | grep -q "ok installed"; then
  fail "vardeck is installed on this machine; the check would replace and remove it: remove it first"
fi

work=$(mktemp -d)
sim_pid=""
installed=0
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  ((installed)) && dpkg --purge vardeck >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

echo "== set-up script"
# Now that everything is installed, a second run of the set-up script installs nothing.
tests/scripts/install_deps_idle.sh scripts/install-deps.sh --packaging || fail "install-deps.sh --packaging is not idle"

echo "== metadata"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vardeck ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version), the project's is $version"
depends=$(field Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6charts6 \
  libjpeg62-turbo libsndfile1 libsamplerate0; do
  sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qxF "$library" || fail "Depends lacks $library"
done
field Description | grep -q "usermod -aG dialout" || fail "the description lacks the dialout advice"

echo "== file list"
dpkg-deb --contents "$deb" >"$work/contents"
awk '{print $6}' "$work/contents" | sed 's|^\./|/|; s|/$||' | sort >"$work/files"
expected=(
  /usr/bin/vardeck /usr/bin/vardeck-cli /usr/bin/vardeck-sim
  "/usr/share/applications/$app_id.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  /usr/share/vardeck/contact.txt /usr/share/vardeck/demo/trix-demo.img
  /usr/share/man/man1/vardeck.1.gz /usr/share/man/man1/vardeck-cli.1.gz /usr/share/man/man1/vardeck-sim.1.gz
  /usr/share/doc/vardeck/copyright /usr/share/doc/vardeck/changelog.gz
  /usr/share/doc/vardeck/examples/99-vardeck-modemmanager.rules
)
for size in 16 22 24 32 48 64 128 256; do expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"); done
for file in "${expected[@]}"; do
  grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
outside=$(grep -vE '^(|/usr|/usr/.*)$' "$work/files" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
# No udev rule is active by installing the package.
! grep -q '^/lib/udev\|^/usr/lib/udev\|^/etc/' "$work/files" || fail "the package installs a udev rule"
grep -E '^-' "$work/contents" | awk '$2 != "root/root" {print; bad=1} END {exit bad}' ||
  fail "files not owned by root"
echo "$(grep -c . "$work/files") entries"

echo "== desktop entry and AppStream file"
dpkg-deb --extract "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
grep -qx "Exec=vardeck --user-data" "$work/root/usr/share/applications/$app_id.desktop" ||
  fail "the desktop entry does not start vardeck in the user's data folder"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"

echo "== lintian"
lintian --fail-on error --display-info "$deb" | tee "$work/lintian" || fail "lintian reported errors"
echo "lintian: $(grep -c '^E:' "$work/lintian" || true) errors, $(grep -c '^W:' "$work/lintian" || true) warnings"

echo "== install"
# Everything below /usr, /etc and /opt before the install, to compare after the removal.
# The icon and desktop-entry caches belong to other packages' triggers, which rebuild them.
snapshot() {
  find /usr /etc /opt -xdev 2>/dev/null |
    grep -vE '^/usr/share/icons/hicolor/icon-theme\.cache$|^/usr/share/applications/mimeinfo\.cache$' | sort
}
snapshot >"$work/before"
installed=1
dpkg -i "$deb" || fail "dpkg -i"
# The installed programs run with a home of their own: nothing of root's is touched.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
unset VARDECK_SETTINGS
mkdir -p "$HOME"
for program in vardeck vardeck-cli vardeck-sim; do
  line=$("/usr/bin/$program" --version) || fail "$program --version"
  [ "$line" = "$program $version (brand $brand)" ] || fail "$program --version printed '$line'"
  echo "$line"
done
/usr/bin/vardeck-sim --device 71 --link "$work/module" --exit-with-parent >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 200); do
  [ -e "$work/module" ] && break
  kill -0 "$sim_pid" 2>/dev/null || fail "vardeck-sim ended: $(cat "$work/sim.err")"
  sleep 0.05
done
[ -e "$work/module" ] || fail "vardeck-sim made no terminal"
code=$(/usr/bin/vardeck-cli identify --port "$work/module") || fail "vardeck-cli identify"
[ "$code" = 71 ] || fail "vardeck-cli identify printed '$code', not 71"
echo "vardeck-cli identify on vardeck-sim --device 71: $code"
kill "$sim_pid"
wait "$sim_pid" 2>/dev/null || true
sim_pid=""

echo "== removal"
dpkg --purge vardeck || fail "dpkg --purge"
installed=0
snapshot >"$work/after"
if ! diff "$work/before" "$work/after" >"$work/left"; then
  cat "$work/left" >&2
  fail "installing and removing the package changed the files above"
fi
echo "package.sh --check: all checks passed"
