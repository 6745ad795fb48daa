#!/bin/bash
# Configures and builds one tree: w64 (the Windows build we run), w32 (the
# 32-bit Windows build, compiled only) or native (portable core, sanitizers).
#   scripts/build.sh TREE [ninja targets...]
set -euo pipefail
cd "$(dirname "$0")/.."

tree=$1
shift
dir=${BUILD_ROOT:-build}/$tree
case $tree in
  w64) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake) ;;
  w32) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake) ;;
  native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMO_SANITIZE=ON) ;;
  *) echo "unknown tree: $tree" >&2; exit 2 ;;
esac

if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >/dev/null
fi
cmake --build "$dir" -- "$@"
