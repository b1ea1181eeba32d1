#!/usr/bin/env bash
# Wall time of the terminal sub-commands, from process start to exit (target: under 20 ms).
# Usage: bench/cli.sh [build-dir]   (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
build="${1:-build-rel}"
program="$(cd "$build" && pwd)/bin/zentario"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# No display: the sub-commands never need one. --version loads the window's module, and Qt with it,
# for scale.
env -u DISPLAY -u WAYLAND_DISPLAY hyperfine -N --warmup 5 --runs "${RUNS:-100}" \
  "$program value 4k7" \
  "$program value 4.75k --json" \
  "$program bands 黄 紫 赤 金" \
  "$program bands 黄 紫 緑 茶 茶 茶 --json" \
  "$program value 4.75k --bands 5" \
  "$program smd 01C" \
  "$program --version"
