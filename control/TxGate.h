#pragma once
// The transmit gate. A master-position tally closes it: the synchroniser is about to speak, so a
// frame the analyser sends then waits (a newer one replacing it) and goes out right behind the
// next decoded extended tally. The polling timer opens it again.
#include <QByteArray>

class TComPort;

class TxGate {
  public:
    // Goes out now while the gate is open, else waits. A frame the port refuses stays held, so
    // that the next release tries again.
    void send(const QByteArray& frame, TComPort& port);
    // An extended tally was decoded: a held frame goes out.
    void release(TComPort& port);
    void close() { SendNow = false; }
    void open() { SendNow = true; }

    bool isOpen() const { return SendNow; }
    const QByteArray& held() const { return PendingTx; }

  private:
    void write(TComPort& port);

    QByteArray PendingTx;
    bool SendNow = false;
};
