#!/usr/bin/env bash
# The long run: quenlar-sim at full line load into the running analyser (under Xvfb) for
# SECONDS (default 600) with the trace-all on; then frames sent against frame lines traced,
# dropped bytes, resident memory at start and end and the analyser's mean CPU.
#   [FIFO=bytes] scripts/soak.sh [seconds] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${2:-build}
# FIFO=8 hands the bytes on as a 16550's receive FIFO does; the default sends each frame at once.
fifo=${FIFO:-0}
work=$(mktemp -d)
cp "$build/quenlar" "$work/quenlar"
Xvfb -displayfd 1 -screen 0 1024x768x24 > "$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
cleanup() { kill "$sim" "$analyser" "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
"$build/quenlar-sim" --load 100 --fifo "$fifo" --seed 1 --hold --duration "$seconds" --stats "$work/stats.txt" \
  > "$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 100); do grep -q '^QUENLAR_COM1=' "$work/sim.out" && break; sleep 0.1; done
export "$(grep '^QUENLAR_COM1=' "$work/sim.out")"
DISPLAY=$display QUENLAR_OPEN=true "$work/quenlar" 1 &
analyser=$!
DISPLAY=$display xdotool search --sync --name "Quenlar : Extended" windowfocus --sync >/dev/null
sleep 1
DISPLAY=$display xdotool key ctrl+a
for _ in $(seq 100); do [ -f "$work/temp/traceall.txt" ] && break; sleep 0.1; done
kill -USR1 "$sim"
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$analyser/stat"; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$analyser/status"; }
sleep 10
rss_start=$(rss); cpu_start=$(cpu); t_start=$(date +%s.%N)
# Resident memory once a minute, to show it stays flat rather than only where it starts and ends.
( while kill -0 "$sim" 2>/dev/null; do sleep 60; rss >> "$work/rss.txt" 2>/dev/null || true; done ) &
sampler=$!
wait "$sim" || true
rss_end=$(rss); cpu_end=$(cpu); t_end=$(date +%s.%N)
kill "$sampler" 2>/dev/null || true
DISPLAY=$display xdotool key ctrl+a
sleep 2
sent=$(awk -F= '/^frames=/ {print $2}' "$work/stats.txt")
bytes=$(awk -F= '/^bytes=/ {print $2}' "$work/stats.txt")
traced=$(grep -c ' .$' "$work/temp/traceall.txt" || true)
dropped=$(grep -cE '^[0-9A-F]{2}.$' "$work/temp/traceall.txt" || true)
counted=$(grep -E '^[0-9A-F]{2}.$' "$work/temp/traceall.txt" | grep -vc '^00' || true)
echo "seconds: $seconds  fifo: $fifo  line: $bytes bytes ($(awk "BEGIN {printf \"%.0f\", $bytes / $seconds}") bytes/s)"
echo "frames sent: $sent  frame lines traced: $traced  lost: $((sent - traced))"
echo "dropped bytes: $dropped  counted in aciaerr: $counted"
echo "resident memory: start ${rss_start} KiB, end ${rss_end} KiB"
[ -s "$work/rss.txt" ] && echo "resident memory each minute (KiB): $(tr '\n' ' ' < "$work/rss.txt")"
awk "BEGIN {printf \"analyser CPU: %.1f %% of one core (mean)\n\", 100 * ($cpu_end - $cpu_start) / $ticks / ($t_end - $t_start)}"
