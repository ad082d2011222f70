#pragma once
// The word mark at the right end of the button bar.
#include <QPixmap>

inline constexpr int LogoWidth = 176;
inline constexpr int LogoHeight = 32;

// "QUENLAR" in white capitals on a dark blue plate, LogoWidth x LogoHeight pixels.
QPixmap quenlarLogo();
