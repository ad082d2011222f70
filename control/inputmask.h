#pragma once
// The refusal of an edit field whose mask is not filled: the masked fields of the machine control
// and key definition windows never hand on a partial entry.
#include "serial/AppError.h"

#include <QString>

namespace inputmask {
inline QString refusalText() {
    return QStringLiteral("Invalid input value.  Use escape key to abandon changes");
}
[[noreturn]] inline void refuse() {
    throw AppError(0, refusalText());
}
}  // namespace inputmask
