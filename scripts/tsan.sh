#!/usr/bin/env bash
# Builds the serial component's test suites with ThreadSanitizer and runs them: the component's
# threads carry every received byte, so a data race there would lose or corrupt frames.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
suites=(unit_serial_conformance unit_serial_component_test unit_serial_modemwatch window_receive_pile)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENLAR_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
cmake --build build-tsan -j"$(nproc)" --target "${suites[@]}"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
export QT_QPA_PLATFORM=offscreen QUENLAR_OPEN=true
for suite in "${suites[@]}"; do
  echo "== $suite under ThreadSanitizer"
  build-tsan/tests/"$suite"
done
