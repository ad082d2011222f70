#include "sim/wire/linelog.h"

#include "sim/wire/simerror.h"

namespace sim {

LineLog::LineLog(const QString& path) {
    if (path.isEmpty()) return;
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw SimError(
            QStringLiteral("cannot write %1: %2").arg(path, file_.errorString()).toStdString());
}

void LineLog::write(const QString& line) {
    if (!file_.isOpen()) return;
    file_.write(line.toLatin1());
    file_.write("\n");
    file_.flush();
}

}  // namespace sim
