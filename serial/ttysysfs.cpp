#include "serial/ttysysfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ttysysfs {
namespace {
// Attribute files are one short line; a longer read would be a wrong file.
constexpr qint64 kAttributeLimit = 256;

QString ttyFolder(const QString& kernelName, const QString& sysfsRoot) {
    return sysfsRoot + QStringLiteral("/class/tty/") + kernelName;
}

QString attribute(const QString& folder, const QString& name) {
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.read(kAttributeLimit)).section(QLatin1Char('\n'), 0, 0).trimmed();
}
}  // namespace

bool knowsTty(const QString& kernelName, const QString& sysfsRoot) {
    return !kernelName.isEmpty() && QFileInfo::exists(ttyFolder(kernelName, sysfsRoot));
}

std::optional<int> uartType(const QString& kernelName, const QString& sysfsRoot) {
    bool ok = false;
    const int value =
        attribute(ttyFolder(kernelName, sysfsRoot), QStringLiteral("type")).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

UsbStrings usbStrings(const QString& kernelName, const QString& sysfsRoot) {
    if (kernelName.isEmpty()) return {};
    const QString root = QDir(sysfsRoot).canonicalPath();
    QString folder =
        QFileInfo(ttyFolder(kernelName, sysfsRoot) + QStringLiteral("/device")).canonicalFilePath();
    // Never above the root: the walk must not read another tree's files.
    while (!root.isEmpty() && folder.startsWith(root + QLatin1Char('/'))) {
        if (QFileInfo::exists(folder + QStringLiteral("/idVendor"))) {
            return {attribute(folder, QStringLiteral("manufacturer")),
                    attribute(folder, QStringLiteral("product"))};
        }
        folder = QFileInfo(folder).path();
    }
    return {};
}
}  // namespace ttysysfs
