#!/bin/bash
# Builds the three trees and runs every test. Extra arguments go to ctest,
# for example:  ./test.sh -R CommandLine
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
mkdir -p build
for tree in w64 w32 native; do
  echo "== building $tree"
  if ! scripts/build.sh "$tree" >"build/$tree-build.log" 2>&1; then
    tail -n 60 "build/$tree-build.log"
    echo "build of $tree failed (whole log: build/$tree-build.log)" >&2
    exit 1
  fi
done

echo "== starting the Wine session"
tests/harness/wine-session.sh start build/w64
trap 'tests/harness/wine-session.sh stop build/w64' EXIT
# shellcheck disable=SC1091
source build/w64/wine-session.env

passed=0
failed=0
status=0
for tree in w64 native; do
  echo "== tests of $tree"
  log=build/$tree/ctest.log
  ctest --test-dir "build/$tree" -j2 --output-on-failure "$@" 2>&1 | tee "$log" || status=1
  summary=$(grep -E '^[0-9]+% tests passed' "$log" || true)
  if [ -z "$summary" ]; then status=1; continue; fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done

echo "== all trees"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
