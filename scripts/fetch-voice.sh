#!/usr/bin/env bash
# Puts Debian's Open JTalk voice (hts-voice-nitech-jp-atr503-m001, from the
# contrib area) where Pelumo looks for voices, without touching the system's
# apt sources:
#   scripts/fetch-voice.sh [DIR]    DIR defaults to the per-user voices folder
#                                   ($XDG_DATA_HOME/Talk/voices)
# Nothing is done when the voice is installed already (in /usr/share/hts-voice
# or in DIR). Otherwise the package is fetched with `apt-get download` through
# a private sources list: the URIs and suites of the system's own Debian
# sources with the component contrib, checked against the Debian archive
# keyring, and unpacked with `dpkg-deb -x`. Exit status 0 when the voice is
# there afterwards; 2 when no Debian mirror answers (the tests skip then);
# 1 on any other failure. One line on stdout says what happened.
set -uo pipefail

package=hts-voice-nitech-jp-atr503-m001
file=nitech_jp_atr503_m001.htsvoice
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
dir=${1:-${XDG_DATA_HOME:-$HOME/.local/share}/Talk/voices}

if [ -n "$(find /usr/share/hts-voice "$dir" -name "$file" 2>/dev/null | head -1)" ]; then
  exit 0
fi

# The codename of this system: only sources for its suites are Debian's own.
codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")

# Prints "URI SUITE" for every Debian source of the system, one-line and
# deb822 forms alike.
debian_sources() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -r "$f" ] || continue
    sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$f" | awk '$1 == "deb" { print $2, $3 }'
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    # One stanza a paragraph; every URI with every suite of its stanza.
    awk 'function flush() { if (types ~ /(^| )deb( |$)/ && enabled != "no")
                              for (i in u) for (j in s) print u[i], s[j]
                            delete u; delete s; types = ""; enabled = "" }
         /^[ \t]*#/ { next }
         /^[ \t]*$/ { flush(); next }
         { key = tolower($1); sub(/:$/, "", key); $1 = ""; sub(/^ +/, "") }
         key == "types" { types = $0 }
         key == "enabled" { enabled = tolower($0) }
         key == "uris" { split($0, u, " ") }
         key == "suites" { split($0, s, " ") }
         END { flush() }' "$f"
  done
}

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/deb" "$work/parts"
debian_sources | sort -u | while read -r uri suite; do
  case "$suite" in "$codename"|"$codename"-*) ;; *) continue ;; esac
  echo "deb [signed-by=$keyring] $uri $suite contrib"
done > "$work/sources.list"

if [ ! -s "$work/sources.list" ] || [ -z "$codename" ]; then
  echo "fetch-voice: no Debian source for this system in /etc/apt: $package not fetched"
  exit 2
fi

apt_private=(
  -o Dir::Etc::SourceList="$work/sources.list"
  -o Dir::Etc::SourceParts="$work/parts"
  -o Dir::State::Lists="$work/lists"
  -o Dir::Cache="$work/cache"
  -o Dir::Cache::pkgcache="" -o Dir::Cache::srcpkgcache=""
  -o Acquire::Languages=none
  -o APT::Sandbox::User="$(id -un)"
  -qq
)
# An index of contrib fetched from any source means a mirror answered.
apt-get "${apt_private[@]}" update >"$work/update.log" 2>&1
if [ -z "$(find "$work/lists" -name '*contrib*Packages*' 2>/dev/null | head -1)" ]; then
  echo "fetch-voice: no Debian mirror answered: $package not fetched"
  exit 2
fi
if ! (cd "$work/deb" && apt-get "${apt_private[@]}" download "$package" >"$work/download.log" 2>&1); then
  echo "fetch-voice: apt-get download $package failed: $(tail -1 "$work/download.log")"
  exit 1
fi
deb=$(ls "$work/deb/"*.deb 2>/dev/null | head -1)
if [ -z "$deb" ] || ! dpkg-deb -x "$deb" "$work/root"; then
  echo "fetch-voice: could not unpack $package"
  exit 1
fi
voice=$(find "$work/root" -name "$file" | head -1)
mkdir -p "$dir" || exit 1
if [ -z "$voice" ] || ! cp "$voice" "$dir/$file.part" || ! mv "$dir/$file.part" "$dir/$file"; then
  echo "fetch-voice: $file missing from $package or not copied to $dir"
  exit 1
fi
# The voice's licence (CC BY 3.0) goes with it.
cp "$work/root/usr/share/doc/$package/copyright" "$dir/${file%.htsvoice}.copyright" 2>/dev/null
echo "fetch-voice: $file installed in $dir"
exit 0
