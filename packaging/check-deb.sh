#!/usr/bin/env bash
# check-deb.sh BUILD_DIR DEBIAN_DEPENDS
# Makes the Debian package from the build, as `cpack -G DEB` does, into a
# scratch folder, and checks that apt would get what it needs from it: the
# package name and file name that the README's `apt install ./pelumo_*.deb`
# expects, the Depends line, and the program and menu entry under /usr.
set -euo pipefail
build=$1 depends=$2
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
debs=("$out"/pelumo_*.deb)
[ -f "${debs[0]}" ] || { ls "$out"; echo "FAIL: no pelumo_*.deb"; exit 1; }
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = pelumo ] || fail "package is not named pelumo"
[ "$(dpkg-deb -f "$deb" Depends)" = "$depends" ] \
  || fail "Depends is '$(dpkg-deb -f "$deb" Depends)', expected '$depends'"
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/pelumo ./usr/share/applications/org.pelumo.Pelumo.desktop \
            ./usr/share/metainfo/org.pelumo.Pelumo.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.pelumo.Pelumo.svg; do
  grep -qxF "$path" <<<"$contents" || fail "$(basename "$deb") lacks $path"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "$(basename "$deb") is complete"
