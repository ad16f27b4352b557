#!/usr/bin/env bash
# Builds the fuzz targets (clang and libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzz preset) and runs every target for SECONDS (default 60), FUZZ_JOBS at a time (default 2).
# Prints one summary line and exits non-zero when any target found a crash, a leak or a time-out.
#
#   scripts/fuzz.sh [SECONDS]
#
# Everything it writes stays in build-fuzz/: the seeds (fuzz/make_seeds.py), the corpora that grow
# from run to run, each target's log, and the input of any failure under artifacts/<target>/. Such
# an input becomes a regression test in the parser's own test program.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
jobs="${FUZZ_JOBS:-2}"
if ! [[ "$seconds" =~ ^[0-9]+$ && "$seconds" -gt 0 ]]; then
  echo "usage: scripts/fuzz.sh [seconds-per-target]" >&2
  exit 2
fi

# An entry point without its target line would be skipped without a word.
python3 scripts/check_fuzz_targets.py --root .
scripts/install-deps.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build-fuzz/runs
rm -rf "$out" build-fuzz/artifacts
mkdir -p "$out" build-fuzz/corpus build-fuzz/artifacts
python3 fuzz/make_seeds.py build-fuzz/seeds
# Which transfer paths the whole-update target's seeds take (it prints them at its exit).
build-fuzz/fuzz/update_run_fuzz build-fuzz/seeds/update_run_fuzz/* 2>&1 | grep '^update_run_fuzz: ' || true

# One target: its corpus grows in build-fuzz/corpus/<name>, its seeds are read alongside.
run_target() {
  local name="$1"
  shift
  mkdir -p "build-fuzz/corpus/$name" "build-fuzz/artifacts/$name"
  local status=0
  "build-fuzz/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/$name/" "$@" "build-fuzz/corpus/$name" "build-fuzz/seeds/$name" \
    >"$out/$name.log" 2>&1 || status=$?
  echo "$status" >"$out/$name.status"
}
# targets.txt: one line per target, its name and the options it always runs with.
while read -r name options; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n
  done
  # shellcheck disable=SC2086 # the options are separate words
  run_target "$name" $options &
done <build-fuzz/fuzz/targets.txt
wait

targets=0 executions=0 failures=0
while read -r name _; do
  targets=$((targets + 1))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log" | tail -1)
  executions=$((executions + ${runs:-0}))
  if [ "$(cat "$out/$name.status")" != 0 ]; then
    failures=$((failures + 1))
    echo "== $name failed; its input is in build-fuzz/artifacts/$name/, the end of its log:" >&2
    tail -n 40 "$out/$name.log" >&2
  fi
done <build-fuzz/fuzz/targets.txt

echo "fuzz: $targets targets, $seconds s each, $executions executions, $failures crashes"
[ "$failures" -eq 0 ]
