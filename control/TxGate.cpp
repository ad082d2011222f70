#include "control/TxGate.h"

#include "serial/TComPort.h"

void TxGate::send(const QByteArray& frame, TComPort& port) {
    PendingTx = frame;
    if (SendNow) write(port);
}

void TxGate::release(TComPort& port) {
    if (!PendingTx.isEmpty()) write(port);
}

// Emptied only after the port took it: a refused write throws and leaves it held.
void TxGate::write(TComPort& port) {
    port.WriteBytes(PendingTx);
    PendingTx.clear();
}
