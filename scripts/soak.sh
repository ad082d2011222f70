#!/usr/bin/env bash
# The long run: quenlar-sim at full line load into the running analyser (under Xvfb) for
# SECONDS (default 600) with the trace-all on; then frames sent against frame lines traced, in
# all and frame by frame, dropped bytes, the analyser's mean CPU and resident memory, and the
# machine's steal time.
#   [FIFO=bytes | USB=1] [STALLS=1] [CHART=1] scripts/soak.sh [seconds] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${2:-build}
# FIFO=8 hands the bytes on as a 16550's receive FIFO does, USB=1 as a USB serial adapter at its
# default latency timer does; by default each frame goes at once.
fifo=${FIFO:-0}
usb=${USB:-0}
# STALLS=1 holds the analyser up (SIGSTOP) for 50-300 ms after each 0.5-3 s of running, all run
# long, as a machine that is busy elsewhere does.
stalls=${STALLS:-0}
# CHART=1 keeps the sync chart open all run long: its redraws share the user-interface thread
# with the receive path.
chart=${CHART:-0}
if [ "$fifo" != 0 ] && [ "$usb" != 0 ]; then
  echo "soak.sh: FIFO and USB cannot be given together" >&2
  exit 2
fi
if [ "$usb" != 0 ]; then handover=(--usb); else handover=(--fifo "$fifo"); fi

work=$(mktemp -d)
sim="" analyser="" xvfb="" sampler="" holder=""
keep=0
cleanup() {
  for p in $holder $sampler; do kill "$p" 2>/dev/null || true; done
  # A stopped analyser would not act on SIGTERM until continued.
  if [ -n "$analyser" ]; then kill -CONT "$analyser" 2>/dev/null || true; fi
  for p in $sim $analyser $xvfb; do kill "$p" 2>/dev/null || true; done
  for p in $holder $sampler $sim $analyser $xvfb; do wait "$p" 2>/dev/null || true; done
  if [ "$keep" = 0 ]; then rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "started: $(date -u "+%Y-%m-%d %H:%M:%S UTC")  build: $build"
cp "$build/quenlar" "$work/quenlar"
Xvfb -displayfd 1 -screen 0 1024x768x24 > "$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
"$build/quenlar-sim" --load 100 "${handover[@]}" --seed 1 --hold --duration "$seconds" \
  --stats "$work/stats.txt" --log-tx "$work/written.txt" > "$work/sim.out" 2>&1 &
sim=$!
sim_started=$EPOCHREALTIME
for _ in $(seq 100); do grep -q '^QUENLAR_COM1=' "$work/sim.out" && break; sleep 0.1; done
export "$(grep '^QUENLAR_COM1=' "$work/sim.out")"
DISPLAY=$display QUENLAR_OPEN=true "$work/quenlar" 1 &
analyser=$!
DISPLAY=$display timeout 60 xdotool search --sync --name "Quenlar : Extended" windowfocus --sync \
  > /dev/null
sleep 1
DISPLAY=$display xdotool key ctrl+a
for _ in $(seq 100); do [ -f "$work/temp/traceall.txt" ] && break; sleep 0.1; done
[ -f "$work/temp/traceall.txt" ] || { echo "soak.sh: the trace-all did not start" >&2; exit 1; }
if [ "$chart" != 0 ]; then
  DISPLAY=$display xdotool key ctrl+g
  DISPLAY=$display timeout 60 xdotool search --sync --name "Sync Chart" > /dev/null
  echo "sync chart: open"
fi
kill -USR1 "$sim"
released=$EPOCHREALTIME
# Running or stopped, but not ended: an ended child stays a zombie until waited for.
alive() {
  local state
  state=$(awk '{print $3}' "/proc/$analyser/stat" 2>/dev/null) && [ -n "$state" ] && [ "$state" != Z ]
}

# Hold-ups end a few seconds before the simulator does (its duration counts from its start),
# so that the last frames are read before it closes the line.
hold_up() {
  local last=$(($1 - 3)) s
  trap 'kill "$s" 2>/dev/null; kill -CONT "$analyser" 2>/dev/null; exit 0' TERM
  RANDOM=1
  while :; do
    # Drawn here, not in a command substitution: a subshell would reseed RANDOM.
    local running=$((500 + RANDOM % 2501)) held=$((50 + RANDOM % 251))
    local pause
    pause=$(awk "BEGIN {print $held / 1000}")
    sleep "$(awk "BEGIN {print $running / 1000}")" & s=$!
    wait "$s"
    awk "BEGIN {exit !($EPOCHREALTIME + $pause < $sim_started + $last)}" || break
    local from=$EPOCHREALTIME
    kill -STOP "$analyser"
    sleep "$pause" & s=$!
    wait "$s"
    kill -CONT "$analyser"
    awk "BEGIN {printf \"%.1f\n\", 1000 * ($EPOCHREALTIME - $from)}" >> "$work/holdups.txt"
  done
}
if [ "$stalls" != 0 ]; then
  hold_up "$seconds" &
  holder=$!
fi

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/${1:-$analyser}/stat"; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$analyser/status"; }
# Time the hypervisor gave this machine's cores to others ("steal" in /proc/stat).
steal() { awk '/^cpu / {print $9}' /proc/stat; }
sleep 10
rss_start=$(rss); cpu_start=$(cpu); steal_start=$(steal); xvfb_start=$(cpu "$xvfb")
t_start=$EPOCHREALTIME
# Resident memory once a minute, to show it stays flat rather than only where it starts and ends.
(
  trap 'kill "$s" 2>/dev/null; exit 0' TERM
  while kill -0 "$sim" 2>/dev/null; do
    sleep 60 & s=$!
    wait "$s"
    rss >> "$work/rss.txt" 2>/dev/null || true
  done
) &
sampler=$!
wait "$sim" || true
if ! alive; then
  keep=1
  echo "soak.sh: the analyser ended during the run; kept for a look: $work" >&2
  exit 1
fi
rss_end=$(rss); cpu_end=$(cpu); steal_end=$(steal); xvfb_end=$(cpu "$xvfb"); t_end=$EPOCHREALTIME
kill "$sampler" 2>/dev/null || true
if [ -n "$holder" ]; then wait "$holder" || true; fi
holder=""
kill -CONT "$analyser" 2>/dev/null || true
# The analyser tells of the line's end in a box: close it, so that the keys reach the main window
# (the sync chart may have the focus too).
DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "^Quenlar: Extended" \
  windowfocus --sync key Return > /dev/null || true
DISPLAY=$display xdotool search --name "Quenlar : Extended" windowfocus --sync > /dev/null
# Trace-all off: the analyser writes out and closes the file.
DISPLAY=$display xdotool key ctrl+a
for _ in $(seq 300); do
  open_files=$(ls -l "/proc/$analyser/fd" 2>/dev/null || true)
  [[ $open_files == *traceall.txt* ]] || break
  sleep 0.1
done

trace=$work/temp/traceall.txt
simstat() { awk -F= -v k="$1" '$1 == k {print $2}' "$work/stats.txt"; }
sent=$(simstat frames)
bytes=$(simstat bytes)
traced=$(grep -c ' .$' "$trace" || true)
dropped=$(grep -cE '^[0-9A-F]{2}.$' "$trace" || true)
# The analyser counts every dropped byte in aciaerr but idle 00 bytes.
counted=$(grep -E '^[0-9A-F]{2}.$' "$trace" | grep -vc '^00' || true)
echo "seconds: $seconds  fifo: $fifo  usb: $usb  stalls: $stalls " \
  "line: $bytes bytes in $(awk "BEGIN {printf \"%.0f s (%.0f\", $t_end - $released, $bytes / ($t_end - $released)}") bytes/s)"
echo "simulator: frames not written as late $(simstat late), as unheard $(simstat unheard)"
echo "frames sent: $sent  frame lines traced: $traced  lost: $((sent - traced))"
# Frames written but not traced, in runs. Each traced frame is looked for a little ahead of the
# last one found; one that was never written (bytes of a cut frame that framed by chance) is
# counted apart.
awk 'BEGIN { j = 0; m = 0 }
     FNR == NR { if (/^[FS] /) written[m++] = substr($0, 3); next }
     { sub(/\r$/, "") }
     / $/ { for (k = j; k < m && k < j + 5000; k++) if (written[k] == $0) break
            if (k == m || k == j + 5000) { extra++; next }
            if (k > j) { runs++; lost += k - j; if (k - j > longest) longest = k - j
                         if (runs <= 10) at = at " " j "(" k - j ")" }
            j = k + 1 }
     END { if (m > j) { runs++; lost += m - j; if (m - j > longest) longest = m - j
                        at = at " " j "(" m - j ")" }
           printf "frames missing from the trace: %d, in %d runs (longest %d frames); " \
                  "traced frames never written: %d\n", lost, runs, longest, extra
           if (runs > 0) print "missing runs at frame (length):" at }' \
  "$work/written.txt" "$trace" | tee "$work/byframe.txt"
echo "dropped bytes: $dropped  aciaerr: $counted"
mean_cpu() { awk "BEGIN {printf \"%.1f\", 100 * ($2 - $1) / $ticks / ($t_end - $t_start)}"; }
echo "analyser CPU: $(mean_cpu "$cpu_start" "$cpu_end") % of one core (mean)"
# The display server draws every repaint; on a small machine it shares the cores with the analyser.
echo "display server CPU: $(mean_cpu "$xvfb_start" "$xvfb_end") % of one core (mean)"
echo "resident memory: start ${rss_start} KiB, end ${rss_end} KiB"
if [ -s "$work/rss.txt" ]; then
  echo "resident memory each minute (KiB): $(tr '\n' ' ' < "$work/rss.txt")"
fi
echo "machine: $(nproc) cores, steal $(mean_cpu "$steal_start" "$steal_end") % of one core (mean)," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes) at the end"
if [ "$stalls" != 0 ]; then
  awk '{ n++; total += $1; if ($1 > longest) longest = $1 }
       END { printf "hold-ups: %d, longest %.1f ms, total %.1f s\n", n, longest, total / 1000 }' \
    "$work/holdups.txt" 2> /dev/null || echo "hold-ups: 0"
fi
if [ $((sent - traced)) != 0 ] || [ "$dropped" != 0 ] || ! grep -q 'missing from the trace: 0,' \
  "$work/byframe.txt"; then
  keep=1
  echo "kept for a look: $work"
fi
