#!/usr/bin/env bash
# Builds the analyser, the simulator and the protocol document its Protocol button opens (not the
# tests: scripts/test.sh builds those), starts the simulated bus (quenlar-sim) and the analyser on
# it, so that every panel shows live traffic within seconds. Without a display the window runs
# under Xvfb and a screenshot of it, taken after a few seconds, is saved to build/screenshot.png.
# Ctrl+C, or closing the analyser's window, ends both. Options are passed to quenlar-sim
# (scripts/run.sh --load 80 --bit-errors 0.001; see build/quenlar-sim --help).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quenlar quenlar-sim extended_pdf -j"$(nproc)"

children=()
work=$(mktemp -d)
cleanup() {
  trap - EXIT INT TERM
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to $2 tenths of a second for a line matching $1 in file $3; prints it.
wait_for_line() {
  local pattern=$1 tenths=$2 file=$3 line=""
  for _ in $(seq "$tenths"); do
    line=$(grep -m1 -E "$pattern" "$file" 2>/dev/null || true)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

build/quenlar-sim "$@" > "$work/sim.out" &
children+=($!)
port_line=$(wait_for_line '^QUENLAR_COM1=' 100 "$work/sim.out") || {
  echo "quenlar-sim did not start" >&2
  exit 1
}
export "${port_line?}"
echo "Simulated bus on ${port_line#QUENLAR_COM1=} (port 1)"

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  # -displayfd: the server takes a free display number and tells it on the descriptor.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
  children+=($!)
  number=$(wait_for_line '^[0-9]+$' 100 "$work/display") || {
    echo "Xvfb did not start (see $work/xvfb.log)" >&2
    exit 1
  }
  export DISPLAY=":$number"
  echo "No display: the analyser runs under Xvfb on $DISPLAY"
fi

build/quenlar 1 &
analyser=$!
children+=("$analyser")

if [ "$headless" -eq 1 ]; then
  title="Quenlar : Extended Protocol Analyser"
  if window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$analyser" --name "$title" | head -n1); then
    # Activated, the window moves to the top of the screen; click once it stands there.
    xdotool windowfocus --sync "$window"
    sleep 2
    # The Details button (its place on the form) opens the raw-traffic grids.
    xdotool mousemove --sync --window "$window" 395 38 click 1
    sleep 3
    import -window "$window" build/screenshot.png
    echo "Screenshot of the analyser on the simulated bus: $(pwd)/build/screenshot.png"
  else
    echo "The analyser's window did not appear" >&2
  fi
  echo "Running; Ctrl+C ends the analyser and the simulated bus."
fi

# Closing the window ends the analyser; the trap then ends the bus.
wait "$analyser" || true
