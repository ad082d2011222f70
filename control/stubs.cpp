// Placeholders for main-window methods whose subsystem has not landed yet.
#include "app/Zr8a.h"
#include "serial/TComPort.h"

void Tzr8f::sendcmd() {
    serial->WriteBytes(frame::complete(TxFrame));
}
void Tzr8f::cmdenab() {}
void Tzr8f::cmdsClick() {}
void Tzr8f::Timer1Timer() {}
void Tzr8f::Grid4MouseUp(Qt::MouseButton, int, int) {}
void Tzr8f::incnoreply() {}
