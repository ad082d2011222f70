// Placeholders for main-window methods whose subsystem has not landed yet.
#include "app/Zr8a.h"

QString Tzr8f::frmstotxt(std::int32_t&, std::uint8_t) { return {}; }
QString Tzr8f::bin2str(int) { return {}; }
QString Tzr8f::gettime() { return {}; }
void Tzr8f::updposition() {}
void Tzr8f::mcnstatus() {}
void Tzr8f::statgridinit() {}
void Tzr8f::mcnstatinit() {}
void Tzr8f::Masterpoz() {}
void Tzr8f::mcnoffset() {}
void Tzr8f::mcndetails() {}
void Tzr8f::SystemAscii() {}
void Tzr8f::SysStatSGridInit() {}
void Tzr8f::sysstatinit() {}
void Tzr8f::exttally() {}
void Tzr8f::Lrecenab(int) {}
void Tzr8f::edpresetinit() {}
void Tzr8f::lastcmd0() {}
void Tzr8f::lastcmd1() {}
void Tzr8f::lastcmd2() {}
void Tzr8f::lastcmd4() {}
void Tzr8f::lastcmd6() {}
void Tzr8f::extcmd() {}
QString Tzr8f::extcmd2str(std::uint8_t) { return {}; }
