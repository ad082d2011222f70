// Speaking on the line: completing and holding frames, enabling commands, the cyclic request,
// the machine picker and the "no reply" line of the command trace.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "link/StringGrid.h"
#include "serial/TComPort.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {
// Ticks between two cyclic requests, less one: the countdown runs 25 .. 0 and the request goes
// out when it drops below zero, so every 26 ticks of 40 ms.
constexpr std::int32_t CyclicReload = 25;
constexpr int GenRow = 7;
constexpr int GenMachine = 255;
}  // namespace

// The frame goes out now, or waits in PendingTx for the end of the next decoded extended tally
// while a master-position tally has stopped sending. A newer frame replaces a held one.
void Tzr8f::sendcmd() {
    const int n = frame::dataCount(TxFrame[0]);
    const auto body = std::span<const std::uint8_t>(TxFrame).first(static_cast<std::size_t>(n + 2));
    TxFrame[static_cast<std::size_t>(n + 2)] = frame::checksum(body);
    PendingTx = QByteArray(reinterpret_cast<const char*>(TxFrame.data()), n + 3);
    if (SendNow) {
        // Emptied only after the port took it, so a refused write leaves it for the next try.
        serial->WriteBytes(PendingTx);
        PendingTx.clear();
    }
}

void Tzr8f::cmdenab() {
    if (Control == nullptr) return;
    if (Control->isVisible()) {
        Control->hide();
        serial->setDTR(false);
        ledCmds->hide();
    } else {
        Control->show();
        Control->raise();
        Control->activateWindow();
        serial->setDTR(true);
        ledCmds->show();
    }
    if (!Timer1->isActive()) Timer1->start();
}

void Tzr8f::cmdsClick() {
    cmdenab();
}

void Tzr8f::Timer1Timer() {
    if (Control != nullptr && Control->cyclicOn()) {
        --CyclicCountdown;
        if (CyclicCountdown < 0) {
            CyclicCountdown = CyclicReload;
            TxFrame[0] = 0x02;
            TxFrame[1] = frame::Extended;
            TxFrame[2] = 0x85;  // Cyclic Data Enable
            TxFrame[3] = 0x01;  // on
            sendcmd();
            SendNow = true;
        }
    } else {
        SendNow = true;
    }
}

void Tzr8f::Grid4MouseUp(Qt::MouseButton /*button*/, int /*col*/, int row) {
    mcnstatinit();
    if (row == GenRow) {
        MonMcn = GenMachine;
        mcngrid->setCell(19, 0, QStringLiteral("Gen Tally"));
        MonMcnLabel->setText(QStringLiteral("G"));
    } else {
        // Row 0 and "below the last row" (-1) are taken as they are: no reply then matches.
        MonMcn = row;
        const QChar letter(static_cast<char16_t>(64 + row));
        mcngrid->setCell(19, 0, QStringLiteral("Mcn ") + letter + QStringLiteral(" Tally"));
        MonMcnLabel->setText(QString(letter));
    }
    // Only a machine's row selects at the controller: the header row (0) and the space below
    // the rows (-1) would otherwise command machine 0 or, by the low byte, the generator.
    const bool machineRow = row >= 1 && row <= GenRow;
    if (machineRow && Control != nullptr && Control->isVisible() && Control->CommandIndex() != 0) {
        TxFrame[0] = 0x03;
        TxFrame[1] = frame::Extended;
        TxFrame[2] = 0x8B;  // command to the machine numbered next
        TxFrame[3] = static_cast<std::uint8_t>(MonMcn & 0xFF);
        TxFrame[4] = 0x00;  // Sel Machine
        sendcmd();
    }
}

// The previous short command got no reply before this one: note it on the command trace.
void Tzr8f::incnoreply() {
    PrevFrameHex = gettime() + QStringLiteral("  ") + Position->text() +
                   QStringLiteral("  no reply ") + PrevFrameHex;
    if (traceCmdOn()) TraceAllFile.writeLine(PrevFrameHex);
}
