#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (into build-fuzz/) and runs each one briefly from its
# seed corpus in tests/fuzz/corpus/. New inputs go into a scratch folder, so the repository's
# seeds stay as they are. A fault stops the script with the input that caused it.
#   scripts/run-fuzz.sh [seconds per target, default 20]
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-20}"
lumarik_ensure_packages cmake ninja-build clang libclang-rt-14-dev

dir="$LUMARIK_ROOT/build-fuzz"
targets=(fuzz_ini fuzz_number_input fuzz_system_file fuzz_calc_words)
cmake -S "$LUMARIK_ROOT" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DLUMARIK_FUZZ=ON \
    -DLUMARIK_BENCH=OFF -DLUMARIK_TESTS=ON >/dev/null
cmake --build "$dir" --target "${targets[@]}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    echo "Fuzzing $target for ${seconds} s"
    if ! (cd "$scratch" && "$dir/tests/fuzz/$target" -max_total_time="$seconds" \
        -print_final_stats=1 "$scratch/$target" "$LUMARIK_ROOT/tests/fuzz/corpus/$target" \
        >"$scratch/$target.log" 2>&1); then
        cat "$scratch/$target.log"
        # The input that failed, kept for the fix: libFuzzer wrote it beside the log.
        cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$dir"/ 2>/dev/null || true
        echo "$target failed; the failing input is in $dir." >&2
        exit 1
    fi
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$scratch/$target.log"
done
echo "The fuzz targets ran without a fault."
