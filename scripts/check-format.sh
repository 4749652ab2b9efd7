#!/usr/bin/env bash
# Checks that every C++ file git tracks (or only the files named) is laid out
# as .clang-format says, changing nothing. Lists the files that are not and
# exits non-zero when there are any.
#   scripts/check-format.sh [file ...]      (paths from the top of the tree)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh format

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi

unclean=()
for file in "${files[@]}"; do
    clang-format-14 --dry-run --Werror "$file" >/dev/null 2>&1 || unclean+=("$file")
done
if [ ${#unclean[@]} -gt 0 ]; then
    printf '%s\n' "${unclean[@]}"
    echo "check-format: ${#unclean[@]} of ${#files[@]} files differ from .clang-format" \
        "(clang-format-14 -i FILE mends one)" >&2
    exit 1
fi
echo "check-format: all ${#files[@]} files follow .clang-format"
