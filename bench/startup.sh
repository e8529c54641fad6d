#!/usr/bin/env bash
# bench/startup.sh [build-dir] [runs]: time from process start to the first painted main window,
# and resident memory at that moment, for `mousecfg --simulate` beside an empty Qt Widgets window
# of the same size (999 x 640), measured alternately in the same run. Prints medians and ratios.
# Uses a virtual X server when xvfb-run is there, else the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-7}

# One virtual X server for the whole run, so its start-up is in neither figure.
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$build" "$runs"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j 2 --target mousecfg bench_empty_window >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export MOUSECFG_STARTUP_PROBE=1
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# One measurement: "<ms> <rss_kb>". The clock starts just before exec.
measure() {
  local out start
  start=$(date +%s%N)
  out=$("$@" 2>/dev/null | grep '^shown_ns=' | tail -1)
  local shown=${out#shown_ns=}
  shown=${shown%% *}
  local rss=${out##*rss_kb=}
  echo "$(( (shown - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }

: >"$tmp/app" ; : >"$tmp/empty"
for i in $(seq "$runs"); do
  data=$tmp/data$i
  mkdir -p "$data"
  cp -r "$build/bin/Configs" "$build/bin/DefaultProfile.bin" "$data/"
  measure "$build/bin/mousecfg" --simulate --data-dir "$data" >>"$tmp/app"
  measure "$build/bin/bench_empty_window" >>"$tmp/empty"
done

app_ms=$(cut -d' ' -f1 "$tmp/app" | median)
app_kb=$(cut -d' ' -f2 "$tmp/app" | median)
empty_ms=$(cut -d' ' -f1 "$tmp/empty" | median)
empty_kb=$(cut -d' ' -f2 "$tmp/empty" | median)
echo "runs: $runs, medians, platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}"
printf 'time to first shown window: mousecfg %d ms, empty window %d ms, ratio %s\n' \
  "$app_ms" "$empty_ms" "$(awk -v a="$app_ms" -v b="$empty_ms" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}')"
printf 'resident memory after start: mousecfg %d kB, empty window %d kB, ratio %s\n' \
  "$app_kb" "$empty_kb" "$(awk -v a="$app_kb" -v b="$empty_kb" 'BEGIN {printf "%.2f", (b > 0) ? a / b : 0}')"
