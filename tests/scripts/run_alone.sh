#!/usr/bin/env bash
# scripts/run as on a fresh machine that has only the command line's packages (scripts/setup
# cli): in a mount namespace of its own, build/ is empty and the files are hidden through
# which a build would find what the other purposes install (Qt, GoogleTest, Google
# Benchmark, OpenSSL's headers, help2man, rsvg-convert, Emscripten, Node, ...). It must
# build swdgen and write the map that the tested build writes.
#
#   run_alone.sh SOURCE_DIR TESTED_SWDGEN
#
# Exits with 77 (skipped) where it cannot make a mount namespace (not root).
set -euo pipefail
source_dir="$1"
tested="$2"
if [ "$(id -u)" -ne 0 ] || ! unshare --mount true 2>/dev/null; then
  echo "a mount namespace needs root: skipped"
  exit 77
fi
multiarch="$(gcc -print-multiarch)"
hidden=(
  "/usr/lib/$multiarch/cmake/Qt6" /usr/lib/qt6/bin
  "/usr/lib/$multiarch/cmake/GTest" /usr/include/gtest /usr/include/gmock
  "/usr/lib/$multiarch/cmake/benchmark" /usr/include/benchmark
  /usr/include/openssl "/usr/include/$multiarch/openssl"
)
for program in help2man rsvg-convert lintian desktop-file-validate appstreamcli emcc em++ \
    emcmake node nodejs npm chromium clang clang++ clang-format; do
  if path="$(command -v "$program")"; then
    hidden+=("$(readlink -f "$path")" "$path")
  fi
done

# Made and removed outside the namespace, where nothing is mounted on its files.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
unshare --mount --propagation private bash -s "$source_dir" "$tested" "$scratch" \
    "${hidden[@]}" <<'INSIDE'
set -euo pipefail
source_dir="$1"
tested="$2"
scratch="$3"
shift 3
mkdir "$scratch/empty" "$scratch/run" "$scratch/tested"
touch "$scratch/none"
chmod 600 "$scratch/none"
map=(generate --seed 1 --width 64 --height 64 --out a.swd --quiet)
(cd "$scratch/tested" && "$tested" "${map[@]}")
for path in "$@"; do
  if [ -d "$path" ]; then
    mount --bind "$scratch/empty" "$path"
  elif [ -e "$path" ]; then
    mount --bind "$scratch/none" "$path"
  fi
done
mkdir -p "$source_dir/build"
mount -t tmpfs tmpfs "$source_dir/build"
(cd "$scratch/run" && "$source_dir/scripts/run" "${map[@]}")
cmp "$scratch/run/a.swd" "$scratch/tested/a.swd"
cmp "$scratch/run/a.bmp" "$scratch/tested/a.bmp"
echo "scripts/run built swdgen with the command line's packages alone"
INSIDE
