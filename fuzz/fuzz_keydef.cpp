// Arbitrary contents of the key definition file through everything that reads it: the keys'
// loading (setkey), the Define Key window's loading and its save, and a key click sending the
// loaded command image.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "fuzz/fuzzrig.h"
#include "tests/support/ScriptedDevice.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

struct Rig : FuzzRig {
    TControl control{window};
    Tdefinekey definekey{window, control};

    Rig() {
        window.Control = &control;
        window.definekey = &definekey;
        control.definekey = &definekey;
        window.Tx.open();
    }
};

Rig& rig() {
    static Rig r;
    return r;
}

// Runs one step the way the framework runs a handler: a failure ends the step, not the run.
template <typename Step>
void handler(Step&& step) {
    try {
        step();
    } catch (const AppError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rig& r = rig();
    const QString path = r.window.AppDir + QStringLiteral("keydef");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    handler([&] { r.control.setkey(); });
    for (int key = 0; key < 4; ++key) {
        handler([&] { r.control.SelectClick(key); });
        handler([&] { r.control.SelectMouseDown(key, Qt::RightButton); });
        handler([&] { r.definekey.FormActivate(); });
        handler([&] { r.definekey.FormClose(); });
    }
    r.line->takeWritten();
    return 0;
}
