#include "app/startup.h"

#include "serial/AppError.h"

#include <limits>

namespace startup {

std::uint16_t portNumberArgument(const QString& text) {
    bool decimal = false;
    const qlonglong n = text.toLongLong(&decimal, 10);
    if (!decimal) throw AppError(0, QStringLiteral("'%1' is not a valid integer value").arg(text));
    // A port number wider than 16 bits would otherwise wrap round and open some other port.
    if (n < 0 || n > std::numeric_limits<std::uint16_t>::max()) {
        throw AppError(0, QStringLiteral("'%1' is not a valid port number").arg(text));
    }
    return static_cast<std::uint16_t>(n);
}

QString programFolder(const QString& programPath, const QString& currentDir) {
    const qsizetype slash = programPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return currentDir;
    return programPath.left(slash + 1);
}

QString portCaption(std::uint16_t comNumber) {
    return QStringLiteral("Com%1").arg(comNumber);
}

}  // namespace startup
