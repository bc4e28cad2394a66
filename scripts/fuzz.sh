#!/usr/bin/env bash
# Builds the fuzzing targets with clang and runs each for a fixed time.
#   scripts/fuzz.sh [SECONDS]     default 20 seconds a target
# The seeds under tests/fuzz/corpus/<target>/ are only read; what libFuzzer
# finds is kept in build-fuzz/corpus/<target>/ for the next run. A crash
# leaves its input in build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
source scripts/setup.sh
PELUMO_PACKAGES+=(clang libclang-rt-14-dev)
pelumo_install_packages
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELUMO_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --target fuzzers -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
summary=()
for target in build-fuzz/tests/fuzz/*_fuzz; do
  name=$(basename "$target")
  work=build-fuzz/corpus/$name
  seeds=tests/fuzz/corpus/$name
  mkdir -p "$work" "$seeds"
  log=build-fuzz/$name.log
  if ! (cd build-fuzz && "../$target" -max_total_time="$seconds" -max_len=65536 \
          -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
          "../$work" "../$seeds") >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $name FAILED (input kept in build-fuzz/)"
    exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  summary+=("$name $runs executions")
done
printf 'fuzz: %s\n' "${summary[@]}"
