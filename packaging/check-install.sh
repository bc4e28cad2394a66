#!/usr/bin/env bash
# check-install.sh BUILD_DIR VERSION [DEBIAN_DEPENDS]
# Installs the build into a scratch folder (DESTDIR, prefix /usr, as the Debian
# package does) and checks that the desktop finds what it looks for: the
# program the menu entry starts, the icon it names in every size, and the
# AppStream description that points back at the entry. Given the Debian
# package's Depends line, also that it names the package of every library the
# installed program links, so that apt brings them all to a fresh machine.
set -euo pipefail
build=$1 version=$2 depends=${3:-}
id=org.pelumo.Pelumo
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml

# Everything lies under the prefix: a package that writes elsewhere clashes
# with the system's own files.
outside=$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside the prefix: $outside"

[ -f "$desktop" ] || fail "no menu entry $desktop"
[ -f "$metainfo" ] || fail "no AppStream file $metainfo"
[ -f "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

# The menu entry's Exec line must start the installed program by the name
# that lies on PATH.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" 2>/dev/null)
program=${exec_line%% *}
[ -x "$root/bin/$program" ] || fail "Exec=$exec_line: no program $root/bin/$program"

# On X11 the desktop finds the entry of a running window by its WM_CLASS,
# which Qt takes from the program's file name.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop" 2>/dev/null)
[ "$wm_class" = "$program" ] || fail "StartupWMClass=$wm_class, but the window's class is $program"

icon=$(sed -n 's/^Icon=//p' "$desktop" 2>/dev/null)
[ "$icon" = "$id" ] || fail "Icon=$icon, expected $id"

# A PNG's width and height are the two big-endian words at bytes 16 to 23.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -f "$png" ]; then
    fail "no ${size}x${size} icon"
  elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
    fail "$png is $(png_size "$png"), not ${size}x${size}"
  fi
done

grep -q "<id>$id</id>" "$metainfo" || fail "AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "AppStream launchable does not name $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" \
  || fail "AppStream file has no release $version (the project's version)"

# The Debian package that holds a shared library on this machine.
package_of() {
  local path
  path=$(ldd "$2" | awk -v lib="$1" '$1 == lib { print $3 }')
  [ -n "$path" ] || return 0
  { dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path" 2>/dev/null; } \
    | head -n1 | cut -d: -f1
}
if [ -n "$depends" ] && command -v dpkg >/dev/null && command -v objdump >/dev/null; then
  for lib in $(objdump -p "$root/bin/pelumo" | awk '$1 == "NEEDED" { print $2 }'); do
    package=$(package_of "$lib" "$root/bin/pelumo")
    [ -n "$package" ] || { fail "no Debian package holds $lib"; continue; }
    case ", $depends," in
      *", $package "* | *", $package,"*) ;;
      *) fail "the program links $lib from $package, which Depends does not name" ;;
    esac
  done
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed files are complete"
