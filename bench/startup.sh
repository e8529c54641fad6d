#!/usr/bin/env bash
# bench/startup.sh [build-dir] [rounds] [idle-seconds]: `mousecfg --simulate` against an empty
# Qt Widgets window of the same size (999 x 640), started alternately in the same run (the order
# swaps every round, so a drift in the machine's load falls on both). For each start it takes:
#   - the time from process start to the first painted window;
#   - private memory (Private_Clean + Private_Dirty of /proc/PID/smaps_rollup) once the program
#     has settled, a second after that paint, and Private_Dirty alone: library pages count as
#     private (clean) while no other process maps them, so on a busy machine the sum also moves
#     with what else runs;
#   - wake-ups while idle: voluntary context switches of all its threads (each is a thread going
#     back to sleep after it woke; switches forced by other programs are not counted) over the
#     next idle-seconds.
# Prints every round, then the medians and their ratios. Uses a virtual X server when xvfb-run is
# there, else the offscreen platform. Each program keeps one data folder for all its rounds and is
# started once before them, so the rounds are starts of a program whose settings are in place.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-11}
idle=${3:-3}
settle=1

# One virtual X server for the whole run, so its start-up is in neither figure.
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$build" "$rounds" "$idle"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j 2 --target mousecfg bench_empty_window >/dev/null

tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
export MOUSECFG_STARTUP_PROBE=idle
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
data=$tmp/data
mkdir -p "$data"
cp -r "$build/bin/Configs" "$build/bin/DefaultProfile.bin" "$data/"

# Voluntary context switches of every thread of process $1 so far.
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches:/ {s += $2} END {print s + 0}'
}

# One start: "<ms to first paint> <private kB> <private dirty kB> <wake-ups per second>". The
# clock starts just before the program is started.
measure() {
  local out=$tmp/out start line shown before after priv dirty
  : >"$out"
  start=$(date +%s%N)
  "$@" >"$out" 2>/dev/null &
  pid=$!
  until line=$(grep -m1 '^shown_ns=' "$out"); do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its first paint" >&2; exit 1; }
    sleep 0.02
  done
  shown=${line#shown_ns=}
  shown=${shown%% *}
  sleep "$settle"
  priv=$(awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s + 0}' /proc/"$pid"/smaps_rollup)
  dirty=$(awk '/^Private_Dirty:/ {s += $2} END {print s + 0}' /proc/"$pid"/smaps_rollup)
  before=$(switches "$pid")
  sleep "$idle"
  after=$(switches "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  echo "$(((shown - start) / 1000000)) $priv $dirty $(awk -v a="$before" -v b="$after" -v s="$idle" \
    'BEGIN {printf "%.1f", (b - a) / s}')"
}

app() { measure "$build/bin/mousecfg" --simulate --data-dir "$data"; }
empty() { measure "$build/bin/bench_empty_window"; }

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}'; }

app >/dev/null
empty >/dev/null
: >"$tmp/app"
: >"$tmp/empty"
echo "round  mousecfg: paint ms, private kB, dirty kB, wake-ups/s  empty window: the same"
for i in $(seq "$rounds"); do
  if [ $((i % 2)) -eq 1 ]; then
    a=$(app)
    e=$(empty)
  else
    e=$(empty)
    a=$(app)
  fi
  echo "$a" >>"$tmp/app"
  echo "$e" >>"$tmp/empty"
  printf '%5d  %-46s %s\n' "$i" "$a" "$e"
done

col() { cut -d' ' -f"$2" "$tmp/$1" | median; }
app_ms=$(col app 1) app_kb=$(col app 2) app_dirty=$(col app 3) app_wake=$(col app 4)
empty_ms=$(col empty 1) empty_kb=$(col empty 2) empty_dirty=$(col empty 3) empty_wake=$(col empty 4)
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
echo "rounds: $rounds, medians, platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}, load: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'first paint:    mousecfg %s ms, empty window %s ms, ratio %s\n' "$app_ms" "$empty_ms" \
  "$(ratio "$app_ms" "$empty_ms")"
printf 'private memory: mousecfg %s MiB, empty window %s MiB, ratio %s\n' "$(mib "$app_kb")" \
  "$(mib "$empty_kb")" "$(ratio "$app_kb" "$empty_kb")"
printf '  of it dirty:  mousecfg %s MiB, empty window %s MiB, ratio %s\n' "$(mib "$app_dirty")" \
  "$(mib "$empty_dirty")" "$(ratio "$app_dirty" "$empty_dirty")"
printf 'idle wake-ups:  mousecfg %s/s, empty window %s/s\n' "$app_wake" "$empty_wake"
