#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time, starting from its seed corpus, two at a
# time. New inputs go to a scratch folder, never into the repository's corpus; any crash,
# sanitizer report, leak or time-out fails the run and names the input that caused it.
#   tests/fuzz/run.sh BUILD_DIR SECONDS
set -uo pipefail
build="$1"
seconds="$2"
here="$(cd "$(dirname "$0")" && pwd)"
out="$build/fuzz-runs"
rm -rf "$out"
mkdir -p "$out"

run_one() {
    local target="$1"
    local scratch="$out/$target.corpus"
    mkdir -p "$scratch"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        QT_LOGGING_RULES="*.debug=false" \
        "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/$target-" "$scratch" "$here/corpus/$target" >"$out/$target.log" 2>&1
    echo $? >"$out/$target.status"
}

targets=()
for corpus in "$here"/corpus/*/; do
    targets+=("$(basename "$corpus")")
done

running=0
for target in "${targets[@]}"; do
    run_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge 2 ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

failed=0
for target in "${targets[@]}"; do
    status=$(cat "$out/$target.status" 2>/dev/null || echo 1)
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$target.log" | grep -o '[0-9]*$' | tail -1)
    if [ "$status" -eq 0 ]; then
        printf 'fuzz %-22s ok      %10s executions in %ss\n' "$target" "${runs:-?}" "$seconds"
    else
        failed=1
        printf 'fuzz %-22s FAILED  (exit %s); the input is kept as %s\n' "$target" "$status" \
            "$(ls "$out/$target-"* 2>/dev/null | head -1)"
        grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$out/$target.log" | head -20
    fi
done
exit $failed
