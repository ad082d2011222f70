#!/usr/bin/env bash
# Builds the Debian package in build-package, checks what it holds (desktop entry, AppStream
# metadata, icon, manual pages, library dependencies), installs it with apt-get, runs the
# installed analyser as a normal user on the simulated bus under Xvfb with the trace-all on, and
# purges the package again. Stops at the first failure with a non-zero exit; whatever it started,
# installed or created goes again on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-package
id=org.quenlar.analyser
smoke_user=quenlar-smoke
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

work=$(mktemp -d)
chmod 755 "$work"  # the smoke user reads the package and writes its home below it
children=()
installed=0
created_user=""
stop_children() {
  for pid in "${children[@]}"; do $sudo kill "$pid" 2>/dev/null || true; done
  for pid in "${children[@]}"; do wait "$pid" 2>/dev/null || true; done
  children=()
}
cleanup() {
  local rc=$?
  trap - EXIT INT TERM
  stop_children
  if [ "$installed" -eq 1 ]; then purge || rc=1; fi
  if [ -n "$created_user" ]; then $sudo userdel "$created_user" || rc=1; fi
  $sudo rm -rf "$work"
  [ "$rc" -eq 0 ] && echo "package.sh: all checks passed" || echo "package.sh: FAILED" >&2
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Purges the package and whatever its install brought along.
purge() {
  local brought
  dpkg-query -W -f='${Package}\n' | sort >"$work/after"
  brought=$(comm -13 "$work/before" "$work/after" | tr '\n' ' ')
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quenlar $brought
}
fail() {
  echo "package.sh: $*" >&2
  exit 1
}
# Waits up to $1 tenths of a second for the command after it to succeed.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The purge at the end must not take away an installation that was here before.
if dpkg-query -W -f='${Status}' quenlar 2>/dev/null | grep -q 'install ok installed'; then
  fail "quenlar is installed already; remove it first (apt-get purge quenlar)"
fi

echo "== build and package"
scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DQUENLAR_BENCH=OFF -DQUENLAR_SANITIZE=OFF -DQUENLAR_FUZZ=OFF
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/quenlar_*.deb
(cd "$build" && cpack -G DEB)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/quenlar_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
cp "$deb" "$work/"
deb=$work/$(basename "$deb")
chmod 644 "$deb"

echo "== what the package holds"
dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | sort > "$work/files"
for f in /usr/bin/quenlar /usr/bin/quenlar-sim /usr/share/quenlar/extend.txt \
  /usr/share/quenlar/Extended.pdf /usr/share/applications/$id.desktop \
  /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg \
  /usr/share/man/man1/quenlar.1.gz /usr/share/man/man1/quenlar-sim.1.gz; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
outside=$(grep -v '^/usr/' "$work/files" | grep -vx -e '/' -e '/usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
writable=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-.......w/ {print $6}')
[ -z "$writable" ] || fail "world-writable files: $writable"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
# The entry starts a program and shows an icon that the package itself brings.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/usr/share/applications/$id.desktop")
icon_name=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$id.desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "no icon $icon_name"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$root/usr/share/metainfo/$id.metainfo.xml" || fail "the metadata launches another entry"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
for program in quenlar quenlar-sim; do
  ! readelf -d "$root/usr/bin/$program" | grep -qE 'RPATH|RUNPATH' || fail "$program has a run path"
  file "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done

echo "== install"
# What the install brings besides the package goes again with the purge.
dpkg-query -W -f='${Package}\n' | sort >"$work/before"
installed=1
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb"
[ -x /usr/bin/quenlar ] || fail "/usr/bin/quenlar is missing after the install"
/usr/bin/quenlar-sim --help | grep -q 'QUENLAR_COM1' || fail "the installed quenlar-sim --help"
man -w quenlar quenlar-sim >/dev/null || fail "man cannot find the manual pages"

echo "== the installed analyser as a normal user"
if ! id "$smoke_user" >/dev/null 2>&1; then
  $sudo useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
    --user-group "$smoke_user"
  created_user=$smoke_user
fi
home=$work/home
mkdir "$home"
$sudo chown "$smoke_user:" "$home"
# A command after this runs as the smoke user, in a clean environment plus the NAME=VALUE words
# before it; started in the background, $! is the program itself, so that it can be ended.
as_user=($sudo setpriv --reuid="$smoke_user" --regid="$smoke_user" --init-groups
  env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8)

"${as_user[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
  2>"$work/xvfb.log" &
children+=($!)
wait_until 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=:$(head -1 "$work/display")

"${as_user[@]}" /usr/bin/quenlar-sim --load 60 --seed 1 >"$work/sim.out" 2>&1 &
children+=($!)
wait_until 100 grep -q '^QUENLAR_COM1=' "$work/sim.out" || fail "quenlar-sim: $(cat "$work/sim.out")"
port=$(grep -m1 '^QUENLAR_COM1=' "$work/sim.out")

# QUENLAR_OPEN=true: switching the trace off opens no editor.
"${as_user[@]}" DISPLAY="$display" "$port" QUENLAR_OPEN=true /usr/bin/quenlar 1 >"$work/quenlar.log" 2>&1 &
analyser=$!
children+=("$analyser")
window=$("${as_user[@]}" DISPLAY="$display" timeout 60 xdotool search --sync --onlyvisible \
  --name 'Quenlar : Extended Protocol Analyser' | head -1) || fail "no analyser window"
"${as_user[@]}" DISPLAY="$display" xdotool windowfocus --sync "$window"

data=$home/.local/share/quenlar
trace=$data/temp/traceall.txt
frames() {
  local n
  n=$(grep -cE '^([0-9A-F]{2} )+.$' "$trace" 2>/dev/null) || true
  echo "${n:-0}"
}
# Ctrl, then A: the trace-all on; once frames have come, off again, which completes the file.
"${as_user[@]}" DISPLAY="$display" xdotool key ctrl+a
wait_until 300 test -f "$trace" || fail "no $trace: $(cat "$work/quenlar.log")"
has_frames() { [ "$(frames)" -ge 50 ]; }
wait_until 300 has_frames || fail "$trace has $(frames) frames"
"${as_user[@]}" DISPLAY="$display" xdotool key ctrl+a
echo "trace-all of the installed analyser: $(frames) frames in $trace"
# Ctrl, then C: commands on, which opens the machine control window and so makes keydef.
"${as_user[@]}" DISPLAY="$display" xdotool key ctrl+c
wait_until 300 test -f "$data/keydef" || fail "no $data/keydef"
[ "$(stat -c %s "$data/keydef")" -eq 220 ] || fail "keydef is not four records"
kill -0 "$analyser" 2>/dev/null || fail "the analyser has ended: $(cat "$work/quenlar.log")"

stop_children

echo "== purge"
purge
installed=0
[ ! -e /usr/bin/quenlar ] && [ ! -e /usr/share/quenlar ] || fail "files left after the purge"
