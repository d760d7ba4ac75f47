#!/usr/bin/env bash
# Fails when a C++ file that changed since the base (default: the commit before the last,
# so the last commit's files; FORMAT_BASE=<commit> for more) is not as clang-format lays it
# out. Where the base does not exist (a clone of one commit), every file is checked.
set -uo pipefail
cd "$(dirname "$0")/.."
base=${FORMAT_BASE:-HEAD~1}
if git rev-parse -q --verify "$base^{commit}" >/dev/null; then
    files=$(git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h')
else
    files=$(git ls-files -- '*.cpp' '*.h')
fi
[ -z "$files" ] && { echo "check-format: no C++ file changed"; exit 0; }
# shellcheck disable=SC2086
if ! clang-format --dry-run -Werror $files; then
    echo "check-format: run clang-format -i on the files above" >&2
    exit 1
fi
echo "check-format: $(wc -w <<< "$files") changed files as clang-format lays them out"
