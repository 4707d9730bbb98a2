#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) into build-fuzz/ (the "fuzz" preset), replays every seed
# and kept regression input, then fuzzes each target for SECONDS (default
# 25), two at a time, from its seed corpus. New inputs go to a scratch
# corpus under the build folder, never into the repository; a crashing
# input is left in build-fuzz/findings/ and fails the run.
#   tools/run-fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-fuzz
seconds=${1:-25}
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(structure job_files group_file font drawing)

cd "$top"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" --target "${targets[@]/%/_fuzz}"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
pattern=$(IFS='|'; echo "${targets[*]/%/_fuzz}")
ctest --preset fuzz -R "^($pattern)\.replay\$"

# The longest input each target starts from: a little above its largest seed.
declare -A max_len=([structure]=8192 [job_files]=4096 [group_file]=4096 [font]=8192
                    [drawing]=4096)
mkdir -p "$build/findings"
fuzz() {
  local t=$1
  local scratch="$build/scratch/$t"
  local args=()
  mkdir -p "$scratch"
  [ -d "$top/fuzz/regressions/$t" ] && args+=("$top/fuzz/regressions/$t")
  "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -max_len="${max_len[$t]:-4096}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$t-" \
    "$scratch" "$top/fuzz/corpus/$t" "${args[@]}" >"$build/findings/$t.log" 2>&1
}
failed=0
running=0
for t in "${targets[@]}"; do
  fuzz "$t" &
  running=$((running + 1))
  if [ "$running" -ge 2 ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
for t in "${targets[@]}"; do
  printf '%-11s %s\n' "$t" "$(grep -E '^stat::number_of_executed_units' "$build/findings/$t.log" \
                                | awk '{print $2 " esecuzioni"}')"
done
if [ "$failed" -ne 0 ]; then
  echo "Il fuzzing ha trovato un errore: vedere $build/findings/" >&2
  grep -l -E 'ERROR|runtime error|deadly signal' "$build/findings/"*.log >&2 || true
  exit 1
fi
