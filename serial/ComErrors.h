#pragma once
// The serial component's failures: fixed codes and texts, and the mapping of an operating
// system's error number at open to what the user is told.
#include "serial/AppError.h"

#include <QString>

namespace comerr {
inline constexpr int BadId = 2001;
inline constexpr int NotOpen = 2007;
inline constexpr int AlreadyOpen = 2008;
inline constexpr int NotSet = 2011;
inline constexpr int OutputTooSmall = 3006;
inline constexpr int BufferEmpty = 3007;
inline constexpr int BadTriggerHandle = 5003;

// The fixed text of a component code, empty for a code it has none for.
QString text(int code);
AppError error(int code);

// Opening `path` failed with errno `e`: a missing device, one held by another program, no
// permission (with how to get it), or the system's own text.
AppError openFailure(int e, const QString& path);
// Any other failure of the device, with the operating system's code and text.
AppError osError(int e);
// The device went away while it was open.
AppError deviceLost(const QString& path, int e);
// The chooser's list was empty when the user pressed OK.
AppError noPortToChoose();
}  // namespace comerr
