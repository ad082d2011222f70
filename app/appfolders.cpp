#include "app/appfolders.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace appfolders {
namespace {

QString withSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A relative $XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
QString userDataHome(const Surroundings& s) {
    if (QDir::isAbsolutePath(s.xdgDataHome)) return s.xdgDataHome;
    if (s.home.isEmpty()) return {};
    return s.home + QStringLiteral("/.local/share");
}

}  // namespace

Folders choose(const Surroundings& s) {
    if (s.programFolderWritable) return {s.programFolder, s.programFolder};
    const QString dataHome = userDataHome(s);
    // Without a home there is nowhere better; writing there then fails as it always did.
    if (dataHome.isEmpty()) return {s.programFolder, s.programFolder};
    return {
        withSeparator(QDir::cleanPath(dataHome + QStringLiteral("/quenlar"))),
        withSeparator(
            QDir::cleanPath(withSeparator(s.programFolder) + QStringLiteral("../share/quenlar"))),
    };
}

bool writable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

}  // namespace appfolders
