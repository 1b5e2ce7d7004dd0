#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the layout .clang-format fixes.
# Run `scripts/check-format.sh --fix` to format them all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mapfile -t files < <(cd "$root" && find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) | sort)
cd "$root"
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "These files differ from .clang-format; scripts/check-format.sh --fix formats them." >&2
    exit 1
fi
