#!/usr/bin/env bash
# Kills the built command-line program with SIGKILL at random moments of export, import and
# apply, RUNS times in all (default 30), and checks what it leaves behind:
#   - an export target is absent or the complete export, never a stamp alone;
#   - the saved settings are the old set or the new one, never a mix of the two (read back after
#     the next start, which finishes an interrupted save);
#   - Config/Diff is 1 whenever a device write was started and did not finish, and whenever the
#     new set was saved but its write did not finish.
# Usage: kill_test.sh MOUSECFG_CLI [RUNS]
set -euo pipefail
cli=$1
runs=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_LOGGING_RULES="mousecfg.storage.debug=true;mousecfg.device.debug=true"
export QT_MESSAGE_PATTERN="%{category}: %{message}"

fail() {
  echo "FAIL (run $1, $2): $3" >&2
  sed 's/^/  | /' "$work/log" >&2
  exit 1
}

# The old set A, written to the simulated mouse and exported; the new set B differs in every
# profile file and in Config.ini.
"$cli" --data-dir "$work/base" --simulate apply --all > /dev/null 2>&1
"$cli" --data-dir "$work/base" export "$work/A.conf" > /dev/null 2>&1
sed -e 's/^pollrate=1$/pollrate=2/' -e 's/^LiftHigh=.*/LiftHigh=1/' -e 's/^\(DPI_INFO_[0-9]_[xy]\)=.*/\1=40/' \
  -e 's/^BUTTON_INFO_2_Fun=.*/BUTTON_INFO_2_Fun=4/' "$work/A.conf" > "$work/B.conf"
cp -r "$work/base" "$work/refB"
"$cli" --data-dir "$work/refB" --simulate import "$work/B.conf" > /dev/null 2>&1
"$cli" --data-dir "$work/refB" export "$work/B-saved.conf" > /dev/null 2>&1
cmp -s "$work/A.conf" "$work/B-saved.conf" && { echo "FAIL: the two sets are the same" >&2; exit 1; }

# How long each command runs uninterrupted (ms), and when its save lands.
declare -A duration commitAt
for cmd in export import apply; do
  rm -rf "$work/d" "$work/out.conf"
  cp -r "$work/base" "$work/d"
  case $cmd in
    export) args=(export "$work/out.conf") ;;
    import) args=(--simulate import "$work/B.conf") ;;
    apply) args=(--simulate apply --all) ;;
  esac
  start=$(date +%s%N)
  booted=$(cut -d' ' -f1 /proc/uptime)
  QT_MESSAGE_PATTERN="%{time boot} %{message}" "$cli" --data-dir "$work/d" "${args[@]}" > /dev/null 2> "$work/log"
  duration[$cmd]=$(( ($(date +%s%N) - start) / 1000000 ))
  commitAt[$cmd]=$(awk -v t0="$booted" '/saved [0-9]+ files/ { printf "%d", ($1 - t0) * 1000; exit }' "$work/log")
done

echo "durations: export ${duration[export]} import ${duration[import]} apply ${duration[apply]}; saves at ${commitAt[export]:-?} ${commitAt[import]:-?} ${commitAt[apply]:-?} ms" >&2
declare -A phases
for ((run = 1; run <= runs; run++)); do
  cmds=(export import apply)
  cmd=${cmds[$((run % 3))]}
  rm -rf "$work/d" "$work/out.conf" "$work/check.conf"
  cp -r "$work/base" "$work/d"
  case $cmd in
    export) args=(export "$work/out.conf") ;;
    import) args=(--simulate import "$work/B.conf") ;;
    apply) args=(--simulate apply --all) ;;
  esac
  # Every other run aims at the 200 ms before the save ends, the rest anywhere in the command.
  if ((run % 2)); then
    delay=$(( ${commitAt[$cmd]:-0} - 180 + RANDOM % 200 ))
  else
    delay=$(( RANDOM % (${duration[$cmd]} + 1) ))
  fi
  ((delay < 0)) && delay=0
  "$cli" --data-dir "$work/d" "${args[@]}" > /dev/null 2> "$work/log" &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -9 "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true

  if [[ $cmd == export ]]; then
    if [[ -e $work/out.conf ]] && ! cmp -s "$work/out.conf" "$work/A.conf"; then
      fail "$run" "$cmd after ${delay} ms" "the export target is not the whole export"
    fi
    phases[export-$([[ -e $work/out.conf ]] && echo whole || echo absent)]+=x
    continue
  fi

  # The next start finishes what the killed one left, then the folder holds one whole set.
  "$cli" --data-dir "$work/d" export "$work/check.conf" > /dev/null 2> "$work/check.log"
  grep -q "finished an interrupted save" "$work/check.log" && phases[$cmd-renames-finished-later]+=x
  if cmp -s "$work/check.conf" "$work/A.conf"; then
    state=old
  elif cmp -s "$work/check.conf" "$work/B-saved.conf"; then
    state=new
  else
    fail "$run" "$cmd after ${delay} ms" "the saved settings are a mix of the old and the new set"
  fi
  [[ $cmd == apply ]] && [[ $state == new ]] && fail "$run" "$cmd" "apply changed the settings"
  diff=$(sed -n 's/^Diff=//p' "$work/d/Configs/Config.ini")
  started=$(grep -c "apply: writing" "$work/log" || true)
  finished=$(grep -c "profile write finished" "$work/log" || true)
  if [[ $diff != 1 ]] && ((finished == 0)) && { ((started > 0)) || [[ $state == new ]]; }; then
    fail "$run" "$cmd after ${delay} ms" "Config/Diff is '$diff' after a write that did not finish"
  fi
  if ((finished > 0)); then phase=finished; elif ((started > 0)); then phase=writing
  elif grep -q "saved [0-9]* files" "$work/log"; then phase=saved
  elif grep -q "saving [0-9]* files" "$work/log"; then phase=saving; else phase=before-save; fi
  phases[$cmd-$phase]+=x
done

summary=""
for key in $(printf '%s\n' "${!phases[@]}" | sort); do summary+=" $key:${#phases[$key]}"; done
echo "kill test: $runs runs passed; killed at:$summary"
