#!/usr/bin/env bash
# What the calculator costs while nobody touches it: wakeups per second and CPU milliseconds per
# minute of the real program left alone on a virtual X display, first the calculator alone, then
# with each auxiliary window open (chart, help, and the browser once its page has loaded). A bare
# Qt window with one label showing the time (bench/idle_bare) is measured first, as the yardstick
# of what any Qt clock costs on this machine.
#
# Usage: bench/idle.sh [build-dir]      (a Release build with the benchmarks, default build-rel;
#                                        needs xvfb-run, xdotool and python3)
#   IDLE_SECONDS=60   length of each idle window
#   IDLE_TRACE=dir    after the calculator's window, records the sleeping system calls of all its
#                     threads for one more window (strace -f -tt, to dir/idle.strace) and counts them
#
# Wakeups are voluntary context switches (each one is the process going to sleep, so something
# woke it before), summed over all threads from /proc/PID/task/*/status; the main thread's share,
# which /proc/PID/status shows, is printed too. CPU comes from /proc/PID/stat (utime + stime, in
# clock ticks of 10 ms) and, finer, from /proc/PID/task/*/schedstat.
set -euo pipefail

build="${1:-build-rel}"
case "$build" in /*) ;; *) build="$(pwd)/$build" ;; esac
program="$build/bin/zentario"
[ -x "$program" ] || { echo "idle.sh: no $program; build it first (see README)" >&2; exit 1; }

# One private display at a fixed 96 dpi (15 twips per pixel), without a window manager, so the
# windows stand exactly where the settings file puts them and the buttons are where we click.
if [ -z "${IDLE_INNER:-}" ]; then
  export IDLE_INNER=1
  exec xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96 -nolisten tcp" "$0" "$build"
fi

seconds="${IDLE_SECONDS:-60}"
work="$(mktemp -d)"
pid=""
stop() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  fi
  pid=""
}
trap 'stop; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM

# One line per thread (id, voluntary switches, nanoseconds on a CPU), then the process's clock ticks.
counters() {
  local task
  for task in /proc/"$pid"/task/*; do
    echo "$(basename "$task") $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null) $(cut -d' ' -f1 "$task/schedstat" 2>/dev/null)"
  done
  # utime + stime: fields 14 and 15, counted after the command name, which may hold blanks.
  echo "ticks $(sed 's/.*) //' /proc/"$pid"/stat | awk '{print $12 + $13}')"
}

# Prints one line of figures for an idle window of $seconds. A thread that ends meanwhile is left
# out; one that starts counts from zero.
measure() {
  local label=$1
  counters >"$work/before"
  sleep "$seconds"
  counters >"$work/after"
  python3 - "$label" "$seconds" "$(getconf CLK_TCK)" "$pid" "$work/before" "$work/after" <<'PY'
import sys
label, secs, hz, pid = sys.argv[1], float(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
def read(path):
    threads, ticks = {}, 0
    for line in open(path):
        f = line.split()
        if f[0] == "ticks":
            ticks = int(f[1])
        elif len(f) == 3:
            threads[f[0]] = (int(f[1]), int(f[2]))
    return threads, ticks
(b, tb), (a, ta) = read(sys.argv[5]), read(sys.argv[6])
delta = {t: (a[t][0] - b.get(t, (0, 0))[0], a[t][1] - b.get(t, (0, 0))[1]) for t in a}
wakeups = sum(d[0] for d in delta.values()) / secs
main = delta.get(pid, (0, 0))[0] / secs
ns = sum(d[1] for d in delta.values())
per_min = 60.0 / secs
print(f"{label:<22} wakeups {wakeups:5.2f}/s (main thread {main:4.2f}/s, {len(a)} threads)  "
      f"CPU {(ta - tb) * 1000 / hz * per_min:5.1f} ms/min by clock ticks, {ns / 1e6 * per_min:5.1f} ms/min by schedstat")
PY
}

# Who wakes the process: the sleeping system calls of every thread, per second.
trace() {
  mkdir -p "$IDLE_TRACE"
  timeout -s INT "$seconds" strace -f -tt -e trace=poll,ppoll,epoll_wait,select,pselect6,futex,read,recvmsg \
    -p "$pid" -o "$IDLE_TRACE/idle.strace" 2>/dev/null || true
  python3 - "$IDLE_TRACE/idle.strace" "$seconds" <<'PY'
import collections, re, sys
calls = collections.Counter()
for line in open(sys.argv[1]):
    m = re.match(r"(\d+)\s+\S+\s+(\w+)\((.*)", line)
    if not m:
        continue
    tid, name, rest = m.groups()
    watched = re.match(r"\[([^]]*)\]", rest)
    fds = ",".join(re.findall(r"fd=(\d+)", watched.group(1))) if name in ("poll", "ppoll") and watched else ""
    calls[(tid, name, fds)] += 1
print(f"system calls per second while idle (strace -f, {sys.argv[1]}):")
for (tid, name, fds), n in sorted(calls.items(), key=lambda kv: -kv[1]):
    print(f"  thread {tid}: {n / float(sys.argv[2]):5.2f} {name}" + (f" (fds {fds})" if fds else ""))
PY
  local fd
  for fd in /proc/"$pid"/fd/*; do echo "  fd $(basename "$fd"): $(readlink "$fd")"; done | head -20
}

# Waits until a window of the program with this title shows; the click missed when none does.
opened() {
  local i
  for i in $(seq 300); do
    if xdotool search --onlyvisible --pid "$pid" --name "$1" >/dev/null 2>&1; then return 0; fi
    sleep 0.2
  done
  echo "idle.sh: no window \"$1\" opened" >&2
  cat "$work/out.log" >&2
  exit 1
}

# Clicks the middle of a control of the calculator, given in twips of its client area.
click() {
  local left=$1 top=$2 width=$3 height=$4
  xdotool mousemove $((100 + (left + width / 2) / 15)) $((100 + (top + height / 2) / 15)) click 1
  # Park the pointer off every window, so no hover effect or tooltip wakes anything.
  xdotool mousemove 1590 1190
}

echo "idle for ${seconds} s each"
if [ -x "$build/bench/idle_bare" ]; then
  # Like the calculator, it hands its pixels to the X server over the connection.
  QT_XCB_NO_MITSHM=1 "$build/bench/idle_bare" >"$work/bare.log" 2>&1 &
  pid=$!
  sleep 3
  measure "bare Qt clock"
  stop
fi

# The calculator at top 1500, left 1500 twips: 100, 100 pixels.
{
  printf '" 1500"\r\n" 1500"\r\n'
  for _ in $(seq 3 35); do printf '""\r\n'; done
} >"$work/ZENTARIO.INI"
"$program" --folder "$work" >"$work/out.log" 2>&1 &
pid=$!
opened "カラ-コ-ド抵抗"
# Every window waits till the entry box's caret has come to rest, 5 s after the last input.
settle=8
sleep "$settle"
measure "calculator"
if [ -n "${IDLE_TRACE:-}" ]; then trace; fi
# The 色帯表, HELP and W E V buttons each open and then close their window.
click 7080 3480 1095 375; opened ZENTARIO; sleep "$settle"
measure "with the chart"
click 7080 3480 1095 375
click 7080 2880 1095 375; opened HELP; sleep "$settle"
measure "with the help viewer"
click 7080 2880 1095 375
click 7080 4680 1095 375; opened "ホームページ"; sleep 15
measure "with the browser"
click 7080 4680 1095 375
