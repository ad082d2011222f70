#include "serial/portnames.h"

#include <QDir>
#include <QFileInfo>

namespace portnames {
namespace {
// Links of links end somewhere; a loop must not hang the chooser.
constexpr int kMaxLinkHops = 8;
}  // namespace

ByIdLinks byIdLinks(const QString& byIdFolder) {
    ByIdLinks links;
    const QFileInfoList entries =
        QDir(byIdFolder)
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString device = entry.canonicalFilePath();
        if (!device.isEmpty()) links.try_emplace(device, entry.absoluteFilePath());
    }
    return links;
}

QString kernelName(const QString& path, const QString& sysfsRoot) {
    QFileInfo node(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (ttysysfs::knowsTty(node.fileName(), sysfsRoot) || !node.isSymLink()) break;
        node = QFileInfo(node.symLinkTarget());
    }
    return node.fileName();
}

portmap::Port named(portmap::Port port, const Folders& folders, const ByIdLinks& links) {
    const QString device = QFileInfo(port.path).canonicalFilePath();
    if (device.isEmpty()) return port;
    if (const auto link = links.find(device); link != links.end()) port.byId = link->second;
    const ttysysfs::UsbStrings usb =
        ttysysfs::usbStrings(kernelName(port.path, folders.sysfs), folders.sysfs);
    port.maker = usb.maker;
    port.model = usb.model;
    return port;
}
}  // namespace portnames
