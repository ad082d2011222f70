// Placeholders for main-window methods whose subsystem has not landed yet.
#include "app/Zr8a.h"

void Tzr8f::serialTriggerAvail(TComPort*, std::uint16_t) {}
void Tzr8f::clearrx() {}
void Tzr8f::parseinput() {}
void Tzr8f::buildgrid1() {}
void Tzr8f::buildgrid2() {}
void Tzr8f::buildmcngrid() {}
void Tzr8f::grid1init() {}
void Tzr8f::grid2init() {}
void Tzr8f::mcngridinit() {}
void Tzr8f::grid4init() {}
void Tzr8f::clear() {}
void Tzr8f::clearkeyClick() {}
