#!/bin/bash
# Times the sponge pass (1109 x 693, t = 30 s, four levels) through EGL on this
# machine's GPU; no display and no window system needed.
#
#   bench/gpu_sponge/run.sh [BUILD_DIR] [options for the binary ...]
#
# BUILD_DIR (default: build) holds quorvel-gpu-sponge-bench; when it is not
# there the script builds that one target. A machine without the project's
# build dependencies can run a copy built elsewhere: the binary needs only
# libEGL.so.1 and libOpenGL.so.0 (the GL vendor-neutral dispatch) besides the C++
# runtime. Options (see the binary's header): --frames N --warmup N --time T
# --size W H --twist X Y --device N --fragment FILE --dump FILE.ppm.
#
# On an NVIDIA machine the vendor's EGL is picked when its glvnd entry is found
# and __EGL_VENDOR_LIBRARY_FILENAMES is not set already; the renderer line of
# the output says which driver ran.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=build
if [[ $# -gt 0 && $1 != --* ]]; then
  build=$1
  shift
fi
[[ $build = /* ]] || build=$root/$build
binary=$build/quorvel-gpu-sponge-bench

if [[ ! -x $binary ]]; then
  [[ -f $build/CMakeCache.txt ]] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build" --target quorvel-gpu-sponge-bench -j2
fi

if [[ -z ${__EGL_VENDOR_LIBRARY_FILENAMES:-} ]]; then
  for vendor in /usr/share/glvnd/egl_vendor.d/10_nvidia.json \
                /usr/local/nvidia/share/glvnd/egl_vendor.d/10_nvidia.json; do
    if [[ -f $vendor ]]; then
      export __EGL_VENDOR_LIBRARY_FILENAMES=$vendor
      break
    fi
  done
fi

if command -v nvidia-smi >/dev/null 2>&1; then
  nvidia-smi --query-gpu=name,driver_version,clocks.sm --format=csv,noheader || true
fi
exec "$binary" "$@"
