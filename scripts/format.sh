#!/usr/bin/env bash
# clang-format over every tracked or new C++ file; "check" fails on any difference.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-check}
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.h' '*.hpp' '*.cpp' | while read -r f; do [[ -f $f ]] && echo "$f"; done)
((${#files[@]})) || exit 0
if [[ $mode == fix ]]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "format-check: ${#files[@]} files formatted"
fi
