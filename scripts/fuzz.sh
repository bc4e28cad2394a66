#!/usr/bin/env bash
# Builds the fuzzing targets with clang and runs them for a total time.
#   scripts/fuzz.sh [SECONDS]     default 60 seconds in all
# The targets share the time: as many run at once as there are cores, each
# for its share (SECONDS × cores ÷ targets, at least 5 seconds). The seeds
# under tests/fuzz/corpus/<target>/ are only read; what libFuzzer finds is
# kept in build-fuzz/corpus/<target>/ for the next run. A crash leaves its
# input in build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
budget=${1:-60}
source scripts/setup.sh
PELUMO_PACKAGES+=(clang libclang-rt-14-dev)
pelumo_install_packages
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELUMO_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build-fuzz --target fuzzers -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

targets=(build-fuzz/tests/fuzz/*_fuzz)
jobs=$(nproc)
each=$(( budget * jobs / ${#targets[@]} ))
(( each < 5 )) && each=5

# One target for its share; its log in build-fuzz/<target>.log, and a mark
# beside it when it failed.
fuzz_one() {
  local target=$1 name
  name=$(basename "$target")
  local work=build-fuzz/corpus/$name seeds=tests/fuzz/corpus/$name
  mkdir -p "$work" "$seeds"
  rm -f "build-fuzz/$name.failed"
  (cd build-fuzz && "../$target" -max_total_time="$each" -max_len=65536 \
     -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
     "../$work" "../$seeds") >"build-fuzz/$name.log" 2>&1 || touch "build-fuzz/$name.failed"
}

for target in "${targets[@]}"; do
  while (( $(jobs -rp | wc -l) >= jobs )); do wait -n || true; done
  fuzz_one "$target" &
done
wait

status=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  log=build-fuzz/$name.log
  if [ -e "build-fuzz/$name.failed" ]; then
    tail -40 "$log"
    echo "fuzz: $name FAILED (input kept in build-fuzz/)"
    status=1
    continue
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "fuzz: $name $runs executions in $each s"
done
exit $status
