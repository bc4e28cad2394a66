# Sourced by ./run and ./test: installs the Debian packages Pelumo needs when
# any is missing, then configures and builds into the folder given.
#   pelumo_setup BUILD_DIR [cmake options...]
set -euo pipefail

PELUMO_PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libespeak-ng-dev espeak-ng-data
  libmecab-dev mecab-ipadic-utf8 mecab-ipadic
  libanthy-dev anthy-common
  libkkc-data libmarisa-dev
  espeak-ng pulseaudio pulseaudio-utils
  fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils
  desktop-file-utils appstream
  ccache
  open-jtalk open-jtalk-mecab-naist-jdic
)

pelumo_install_packages() {
  local missing=()
  for p in "${PELUMO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

pelumo_setup() {
  local build_dir=$1; shift
  pelumo_install_packages
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  # The natural voice, from Debian's contrib area, into the user's voices
  # folder; without it the program speaks with espeak-ng.
  "$root/scripts/fetch-voice.sh" || true
  # The build trees share one compiler cache: a second tree (the sanitizer
  # build, a clone for CI) compiles only what differs. Paths are taken
  # relative to the tree, so clones in other folders hit the same entries.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  cmake -S "$root" -B "$root/$build_dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
  cmake --build "$root/$build_dir" -j "$(nproc)"
}
