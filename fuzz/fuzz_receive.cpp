// Arbitrary byte streams, cut into arbitrary events, through the real receive path of the main
// window: the serial component's data event, the ring, dispatch, the decoders and the grids.
//
// Input: a sequence of chunks, each a length byte (1..40 after folding, so events that overfill
// the 32-byte ring occur) followed by that many line bytes.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "fuzz/fuzzrig.h"
#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Rig : FuzzRig {
    Rig() {
        window.tall();  // trace-all on: dropped bytes and frame lines are written too
    }

    void deliver(const QByteArray& bytes) {
        const std::uint64_t before = window.serial->stats().received;
        line->feed(bytes);
        for (long spins = 0; spins < 10'000'000; ++spins) {
            const TComPort::Stats s = window.serial->stats();
            if (s.received >= before + static_cast<std::uint64_t>(bytes.size()) &&
                s.handled == s.received) {
                return;
            }
            QCoreApplication::processEvents();
        }
        std::abort();  // the component stopped delivering: a hang is a finding
    }
};

// One window for the whole fuzzing run: its state carries over from input to input, as it does
// on a line.
Rig& rig() {
    static Rig r;
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rig& r = rig();
    std::size_t at = 0;
    while (at < size) {
        const std::size_t n = std::min<std::size_t>(data[at] % 40 + 1, size - at - 1);
        ++at;
        if (n == 0) break;
        r.deliver(QByteArray(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(n)));
        at += n;
    }
    if (size > 0 && data[0] == 0xFF) r.window.clear();
    return 0;
}
