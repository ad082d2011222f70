#include "tests/support/e2e_display.h"

#include <QProcess>

namespace e2e {

namespace {
constexpr int StartMs = 15000;
constexpr int ToolMs = 15000;
}  // namespace

Display::Display() {
    // -displayfd 1: the server picks a free display number and writes it to its standard output.
    server_ = std::make_unique<Program>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")},
        QProcessEnvironment::systemEnvironment());
    if (!server_->started()) return;
    const QString number =
        server_->waitForLine(QRegularExpression(QStringLiteral("^\\d+$")), StartMs);
    if (!number.isEmpty()) name_ = QLatin1Char(':') + number;
}

QProcessEnvironment Display::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), name_);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Under AddressSanitizer, the keyboard library of the X platform reads a counted string with
    // strndup, which the strict string check takes for an overflow: not ours to judge here.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty()) {
        asan.replace(QStringLiteral("strict_string_checks=1"),
                     QStringLiteral("strict_string_checks=0"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan);
    }
    return env;
}

QString Display::xdotool(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(ToolMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString Display::waitForWindow(const QString& title, int timeoutMs) const {
    QString id;
    waitUntil(
        [&] {
            id = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--name"), title})
                     .section(QLatin1Char('\n'), 0, 0);
            return !id.isEmpty();
        },
        timeoutMs);
    return id;
}

bool Display::windowShown(const QString& title) const {
    return !xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"), title})
                .isEmpty();
}

void Display::key(const QString& window, const QString& keys) const {
    // No window manager runs on the display: focus is given directly, not asked of a manager.
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60"), keys});
}

void Display::click(const QString& window, QPoint at) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
             window, QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

bool Display::screenshot(const QString& path) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return p.waitForFinished(ToolMs) && p.exitCode() == 0;
}

}  // namespace e2e
