#include "tests/support/ScriptedDevice.h"

#include "serial/ComErrors.h"
#include "serial/SerialDevice.h"

#include <algorithm>
#include <cerrno>

void ScriptedLine::feed(const QByteArray& bytes) {
    {
        const std::lock_guard lock(m);
        const qsizetype room =
            queueLimit == 0 ? bytes.size() : static_cast<qsizetype>(queueLimit) - input.size();
        const qsizetype taken = std::clamp<qsizetype>(room, 0, bytes.size());
        // A copy of its own: a shared buffer would be let go by the test's thread inside Qt, where
        // a thread checker cannot see the hand-over.
        input.append(bytes.constData(), taken);
        overruns += static_cast<std::uint64_t>(bytes.size() - taken);
    }
    changed.notify_all();
}

QByteArray ScriptedLine::takeWritten() {
    const std::lock_guard lock(m);
    QByteArray out;
    out.swap(written);
    return out;
}

void ScriptedLine::setModemLines(std::uint8_t states) {
    {
        const std::lock_guard lock(m);
        lines = states & modemline::All;
        modemEvent = true;
    }
    changed.notify_all();
}

void ScriptedLine::limitQueue(std::size_t bytes) {
    const std::lock_guard lock(m);
    queueLimit = bytes;
}

bool ScriptedLine::dtr() const {
    const std::lock_guard lock(m);
    return dtrOn;
}

bool ScriptedLine::rts() const {
    const std::lock_guard lock(m);
    return rtsOn;
}

std::size_t ScriptedLine::pendingInput() const {
    const std::lock_guard lock(m);
    return static_cast<std::size_t>(input.size());
}

void ScriptedLine::hangUp() {
    {
        const std::lock_guard lock(m);
        hungUp = true;
        plugged = false;
    }
    changed.notify_all();
}

void ScriptedLine::plugBack() {
    const std::lock_guard lock(m);
    plugged = true;
}

bool ScriptedLine::isOpen() const {
    const std::lock_guard lock(m);
    return open;
}

int ScriptedLine::openCount() const {
    const std::lock_guard lock(m);
    return opens;
}

LineSettings ScriptedLine::settings() const {
    const std::lock_guard lock(m);
    return line;
}

namespace {
class ScriptedDevice : public SerialDevice {
  public:
    ScriptedDevice(std::shared_ptr<ScriptedLine> line, std::uint16_t comNumber)
        : line_(std::move(line)), name_(QStringLiteral("scripted:COM%1").arg(comNumber)) {}
    ~ScriptedDevice() override { ScriptedDevice::close(); }

    QString name() const override { return name_; }

    void open() override {
        const std::lock_guard lock(line_->m);
        if (line_->failOpenWith != 0) {
            const int e = line_->failOpenWith;
            line_->failOpenWith = 0;
            throw comerr::openFailure(e, name_);
        }
        if (!line_->plugged) throw comerr::openFailure(ENOENT, name_);
        if (line_->open) throw comerr::openFailure(EBUSY, name_);
        line_->open = true;
        line_->hungUp = false;
        ++line_->opens;
        overrunsAtOpen_ = line_->overruns;
        owner_ = true;
    }

    void close() override {
        {
            const std::lock_guard lock(line_->m);
            if (!owner_) return;
            owner_ = false;
            line_->open = false;
        }
        line_->changed.notify_all();
    }

    void setQueueSizes(std::uint16_t, std::uint16_t) override {}

    void setLine(const LineSettings& settings) override {
        const std::lock_guard lock(line_->m);
        failIfGone();
        line_->line = settings;
    }
    void setDtr(bool on) override {
        const std::lock_guard lock(line_->m);
        failIfGone();
        line_->dtrOn = on;
    }
    void setRts(bool on) override {
        const std::lock_guard lock(line_->m);
        failIfGone();
        line_->rtsOn = on;
    }
    std::uint8_t modemLines() override {
        const std::lock_guard lock(line_->m);
        failIfGone();
        return line_->lines;
    }

    unsigned waitEvent(bool wantData) override {
        std::unique_lock lock(line_->m);
        line_->changed.wait(lock, [&] {
            return cancelled_ || woken_ || line_->hungUp || line_->modemEvent ||
                   (wantData && !line_->input.isEmpty());
        });
        if (cancelled_) return 0;
        if (woken_) {
            woken_ = false;
            return 0;
        }
        if (line_->hungUp) return lineevent::Hangup;
        unsigned events = 0;
        if (line_->modemEvent) events |= lineevent::ModemChange;
        line_->modemEvent = false;
        if (wantData && !line_->input.isEmpty()) events |= lineevent::RxChar;
        return events;
    }

    void wake() override {
        {
            const std::lock_guard lock(line_->m);
            woken_ = true;
        }
        line_->changed.notify_all();
    }
    void cancel() override {
        {
            const std::lock_guard lock(line_->m);
            cancelled_ = true;
        }
        line_->changed.notify_all();
    }

    std::size_t readAvailable(std::span<std::uint8_t> into) override {
        const std::lock_guard lock(line_->m);
        failIfGone();
        const auto n = std::min(into.size(), static_cast<std::size_t>(line_->input.size()));
        std::copy_n(line_->input.constData(), n, reinterpret_cast<char*>(into.data()));
        line_->input.remove(0, static_cast<qsizetype>(n));
        return n;
    }

    void write(std::span<const std::uint8_t> bytes) override {
        {
            const std::lock_guard lock(line_->m);
            failIfGone();
            line_->written.append(reinterpret_cast<const char*>(bytes.data()),
                                  static_cast<qsizetype>(bytes.size()));
        }
        line_->changed.notify_all();
    }

    void discardInput() override {
        const std::lock_guard lock(line_->m);
        line_->input.clear();
    }

    unsigned takeLineErrors() override { return 0; }

    std::uint64_t lostBytes() override {
        const std::lock_guard lock(line_->m);
        return line_->overruns - overrunsAtOpen_;
    }

  private:
    // The caller holds the line's lock.
    void failIfGone() const {
        if (line_->hungUp) throw comerr::deviceLost(name_, EIO);
    }

    std::shared_ptr<ScriptedLine> line_;
    QString name_;
    bool owner_ = false;
    bool woken_ = false;
    bool cancelled_ = false;
    std::uint64_t overrunsAtOpen_ = 0;
};
}  // namespace

TComPort::DeviceFactory scriptedFactory(std::shared_ptr<ScriptedLine> line) {
    return [line](std::uint16_t comNumber) -> std::unique_ptr<SerialDevice> {
        return std::make_unique<ScriptedDevice>(line, comNumber);
    };
}
