#include "trace/tracetext.h"

#include <QDir>

namespace tracetext {

QString header() {
    return QStringLiteral("    Time      Position    Command/Status   Code");
}

QString commandLine(const QString& time, const QString& position, const QString& name,
                    const QString& frameHex) {
    return time + QLatin1String("  ") + position + QLatin1Char(' ') + name + QLatin1String("  ") +
           frameHex;
}

QString inFolder(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ||
        folder.endsWith(QDir::separator())) {
        return folder + name;
    }
    return folder + QDir::separator() + name;
}

QString traceAllFile() {
    return QStringLiteral("temp") + QDir::separator() + QStringLiteral("traceall.txt");
}
QString commandTraceFile() {
    return QStringLiteral("temp") + QDir::separator() + QStringLiteral("tracecmd.txt");
}
QString protocolText() {
    return QStringLiteral("extend.txt");
}
QString protocolDocument() {
    return QStringLiteral("Extended.pdf");
}

}  // namespace tracetext
