// The main window's handlers of the serial port: parity, port choice and the DSR watch.
#include "app/Zr8a.h"
#include "app/startup.h"
#include "link/codes.h"
#include "link/encode.h"
#include "serial/TComPort.h"

#include <QPushButton>

// The caption changes first: the setting is stored even when the line refuses it, and the
// caption must keep showing the setting.
void Tzr8f::ParityClick() {
    if (serial->Parity() == TParity::pOdd) {
        Parity->setText(QStringLiteral("None"));
        serial->setParity(TParity::pNone);
    } else {
        Parity->setText(QStringLiteral("Odd"));
        serial->setParity(TParity::pOdd);
    }
}

std::uint16_t Tzr8f::portchange(std::uint16_t n) {
    serial->setOpen(false);
    serial->setComNumber(n);
    serial->setOpen(true);
    Button1->setText(startup::portCaption(serial->ComNumber()));
    return serial->ComNumber();
}

void Tzr8f::serialTriggerModemStatus(TComPort* /*CP*/) {
    if (!serial->DsrChanged()) return;
    if (serial->DsrOn()) {
        TxFrame = encode::timeSense(proto::timerequest::Ltc).bytes;
        sendcmd();
    }
    serial->ArmModemWatch(ModemWatch, 0x20, true);
}
