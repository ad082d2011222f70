#include "serial/ComErrors.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace comerr {
namespace {
constexpr std::array<std::pair<int, const char*>, 7> kTexts{{
    {BadId, "ie_BadId - Specified comport doesn't exist"},
    {NotOpen, "ie_NOpen - device not open"},
    {AlreadyOpen, "ie_Open - device already open"},
    {NotSet, "The ComNumber property of the TComPort has not been set"},
    {OutputTooSmall, "Output buffer too small for block"},
    {BufferEmpty, "Buffer is empty"},
    {BadTriggerHandle, "Bad trigger handle"},
}};

QString systemText(int e) {
    if (e <= 0) return QStringLiteral("Unknown serial port failure");
    return QString::fromLocal8Bit(std::strerror(e));
}
}  // namespace

QString text(int code) {
    for (const auto& [c, t] : kTexts) {
        if (c == code) return QString::fromLatin1(t);
    }
    return {};
}

AppError error(int code) {
    return AppError(code, text(code));
}

AppError openFailure(int e, const QString& path) {
    switch (e) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            return error(BadId);
        case EBUSY:
        case EWOULDBLOCK:
            return error(AlreadyOpen);
        case EACCES:
        case EPERM:
            // Not "already open": on Linux this is a missing group membership, and the user
            // can fix it.
            return AppError(e, QStringLiteral("%1: %2. Add your user to the dialout group (sudo "
                                              "usermod -aG dialout $USER) and log in again.")
                                   .arg(path, systemText(e)));
        default:
            return osError(e);
    }
}

AppError osError(int e) {
    return AppError(e, systemText(e));
}

AppError deviceLost(const QString& path, int e) {
    return AppError(e, QStringLiteral("%1: %2. Nothing is received until the device is back; the "
                                      "port then opens again by itself.")
                           .arg(path, systemText(e)));
}

AppError noPortToChoose() {
    return AppError(NotSet, QStringLiteral("No serial port was found. Connect the adapter or set "
                                           "QUENLAR_COM<n> to its device, then choose the port "
                                           "again."));
}
}  // namespace comerr
