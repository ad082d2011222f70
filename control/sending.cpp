// Speaking on the line: completing and holding frames, enabling commands, the cyclic request,
// the machine picker and the "no reply" line of the command trace.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "link/StringGrid.h"
#include "link/encode.h"
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

// The frame goes out now, or waits at the transmit gate for the end of the next decoded extended
// tally while a master-position tally has stopped sending.
void Tzr8f::sendcmd() {
    // Only the checksum is written into TxFrame; whatever lies past it stays as it was.
    const encode::Frame whole = encode::complete(TxFrame);
    const std::size_t last = whole.size - 1;
    TxFrame[last] = whole.bytes[last];
    Tx.send(frame::toByteArray(whole.view()), *serial);
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
            TxFrame = encode::cyclicData(true).bytes;
            sendcmd();
            Tx.open();
        }
    } else {
        Tx.open();
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
        TxFrame =
            encode::toMachine(static_cast<std::uint8_t>(MonMcn & 0xFF), proto::key::SelMachine)
                .bytes;
        sendcmd();
    }
}

// The previous short command got no reply before this one: note it on the command trace.
void Tzr8f::incnoreply() {
    Parsed.previousHex = gettime() + QStringLiteral("  ") + Position->text() +
                         QStringLiteral("  no reply ") + Parsed.previousHex;
    if (traceCmdOn()) Traces.file.writeLine(Parsed.previousHex);
}
