#!/usr/bin/env bash
# Checks that need no build: the repository stands alone (no build or test
# file reaches above the source tree) and every source file follows
# .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

outside=$(git grep --untracked -n -I -E '\.\./shared|CMAKE_SOURCE_DIR\}/\.\.|PROJECT_SOURCE_DIR\}/\.\.' \
  -- CMakeLists.txt '*/CMakeLists.txt' '*.cmake' src tests bench fuzz tools scripts Makefile .ci \
  ':!scripts/check-tree.sh' || true)
if [ -n "$outside" ]; then
  echo "These lines reach outside the repository:"
  echo "$outside"
  status=1
fi

unformatted=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c' | xargs -r clang-format --dry-run --Werror 2>&1 \
  | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
  echo "These files differ from .clang-format (run clang-format -i on them):"
  echo "$unformatted"
  status=1
fi
exit $status
