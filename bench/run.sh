#!/bin/bash
# Builds the benchmarks against an optimised native build of the tree (no
# sanitizers: the figures are those of the code as shipped) and runs them.
# Every figure is a ratio against a peer measured in the same run.
#   bench/run.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$(realpath -m "${1:-build/bench}")
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$dir" -- -j2 mkmedia
c++ -std=c++17 -O2 -Wall -Wextra -Werror \
  -Iarchive -Ifoundation -Iframework -Iresources -Itools/mkmedia \
  bench/ArchiveBench.cpp \
  "$dir/tools/mkmedia/libmkmedia_core.a" "$dir/archive/libarchive.a" \
  "$dir/foundation/libfoundation.a" "$dir/framework/libframework_core.a" -lz \
  -o "$dir/bin/archive_bench"
exec "$dir/bin/archive_bench"
