#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each over a copy of its seed
# corpus (fuzz/corpus/<target>/ is never grown). Exits non-zero when any target finds a crash,
# a sanitizer report, a broken property or a hang; the inputs land in build-fuzz/artifacts/.
#
#   scripts/fuzz.sh [--smoke] [TARGET...]   all targets, or only those named
#   --smoke                          the test command's run: a hundredth of the runs, at most 15 s
#                                    a target, built with 2 jobs; a missing clang is a failure
#   FUZZ_RUNS_SCALE=0.01             scale every run count (a quick run)
#   FUZZ_MAX_SECONDS=900             stop a target after this long, whatever its run count
#   FUZZ_BUILD_JOBS=1                parallel compile jobs of the instrumented build
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

smoke=0
if [[ "${1:-}" == --smoke ]]; then
    smoke=1
    shift
fi

if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
    echo "fuzzing needs clang (clang++ with libFuzzer); nothing was run"
    exit "$smoke"
fi

if [[ $smoke -eq 1 ]]; then
    scale="${FUZZ_RUNS_SCALE:-0.01}"
    max_seconds="${FUZZ_MAX_SECONDS:-15}"
    build_jobs="${FUZZ_BUILD_JOBS:-2}"
else
    scale="${FUZZ_RUNS_SCALE:-1}"
    max_seconds="${FUZZ_MAX_SECONDS:-900}"
    build_jobs="${FUZZ_BUILD_JOBS:-1}"
fi

# target  runs  max input length; one line a target, for the full run and the smoke run alike
targets=(
    "game_file_reader_fuzzer 1000000 4096"
    "game_file_fuzzer 100000 4096"
    "location_fuzzer 1000000 4096"
    "typed_square_fuzzer 1000000 256"
    "profile_search_fuzzer 10000 16384"
    "sgf_review_fuzzer 1000000 4096"
)

selected=()
for entry in "${targets[@]}"; do
    name="${entry%% *}"
    if [[ $# -eq 0 ]] || [[ " $* " == *" $name "* ]]; then
        selected+=("$entry")
    fi
done
if [[ ${#selected[@]} -eq 0 ]]; then
    echo "no such target: $*" >&2
    exit 2
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARAVIN_BUILD_FUZZ=ON -DTARAVIN_BUILD_GUI=OFF -DTARAVIN_BUILD_TESTS=OFF \
    -DTARAVIN_BUILD_BENCH=OFF >/dev/null
names=()
for entry in "${selected[@]}"; do
    names+=("${entry%% *}")
done
cmake --build "$build" -j "$build_jobs" --target "${names[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

failed=()
summary=()
for entry in "${selected[@]}"; do
    read -r name runs max_len <<<"$entry"
    runs="$(awk -v n="$runs" -v s="$scale" 'BEGIN { r = int(n * s); print (r < 1 ? 1 : r) }')"
    corpus="$work/$name"
    cp -r "$root/fuzz/corpus/$name" "$corpus"
    artifacts="$build/artifacts/$name"
    mkdir -p "$artifacts"
    log="$build/artifacts/$name.log"

    echo "== $name: $runs runs (at most ${max_seconds}s)"
    start="$(date +%s.%N)"
    status=0
    "$build/bin/$name" -runs="$runs" -max_total_time="$max_seconds" -max_len="$max_len" \
        -timeout=60 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" \
        >"$log" 2>&1 || status=$?
    seconds="$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')"

    executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1 || true)"
    rate="$(awk -v n="${executed:-0}" -v t="$seconds" 'BEGIN { printf "%d", (t > 0 ? n / t : 0) }')"
    coverage="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)"
    line="$name: runs ${executed:-?}, ${seconds}s, ${rate:-?} exec/s, ${coverage:-no coverage line}"
    if [[ $status -ne 0 ]]; then
        line+=" -- FAILED (exit $status), see $log"
        failed+=("$name")
        grep -E 'ERROR:|SUMMARY:|property broken|runtime error|Test unit written' "$log" | head -8 || true
    fi
    echo "$line"
    summary+=("$line")
done

echo
echo "Fuzzing summary:"
printf '  %s\n' "${summary[@]}"
if [[ ${#failed[@]} -ne 0 ]]; then
    echo "crashes in: ${failed[*]}"
    exit 1
fi
