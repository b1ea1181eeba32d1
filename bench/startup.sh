#!/usr/bin/env bash
# Start-up time of the calculator against a bare Qt window, in the same run, offscreen.
# Usage: bench/startup.sh [build-dir]   (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
build="${1:-build-rel}"
export QT_QPA_PLATFORM=offscreen
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# The calculator reads its settings from a folder of this run, never from the user's own.
export XDG_CONFIG_HOME="$work"
hyperfine --warmup 5 --runs "${RUNS:-40}" --export-json "$work/startup.json" \
  -n bare "$OLDPWD/$build/bench/startup_bare" \
  -n bare-with-text "$OLDPWD/$build/bench/startup_text" \
  -n zentario "$OLDPWD/$build/bench/startup_zentario"
python3 - "$work/startup.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
bare, text, zen = r["bare"]["mean"], r["bare-with-text"]["mean"], r["zentario"]["mean"]
print(f"bare window {bare*1000:.1f} ms, bare window with one line of text {text*1000:.1f} ms, "
      f"zentario {zen*1000:.1f} ms; ratio {zen/bare:.2f}x to the bare window, {zen/text:.2f}x to the one with text")
PY
