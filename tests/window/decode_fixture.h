#pragma once
// The three windows on a scripted line, for the decoders: frames go in as the far side sends
// them, and the panels, labels, the line and the command trace are read back.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>

class DecodeWindow : public AnalyserTest {
  protected:
    void TearDown() override {
        closeWindows();
        EXPECT_TRUE(testsupport::errorBoxes().isEmpty())
            << testsupport::errorBoxes().join('\n').toStdString();
    }

    // The frame of these hex bytes with its checksum appended.
    // Blanks between the bytes are for the reader.
    static QByteArray framed(const char* body) {
        const QByteArray b = QByteArray::fromHex(body);
        EXPECT_EQ(b.size(), frame::dataCount(static_cast<std::uint8_t>(b.at(0))) + 2)
            << "the frame's count does not match its bytes: " << body;
        if (b.size() < frame::dataCount(static_cast<std::uint8_t>(b.at(0))) + 2) return {};
        return frame::complete(std::span(reinterpret_cast<const std::uint8_t*>(b.constData()),
                                         static_cast<std::size_t>(b.size())));
    }
    // Sends frames from the far side and waits until the window has taken them.
    void send(const QByteArray& bytes) {
        for (qsizetype i = 0; i < bytes.size(); i += 30) {
            feedAndWait(*w->serial, *line, bytes.mid(i, 30));
        }
    }
    void send(const char* body) { send(framed(body)); }

    void startCommandTrace() { w->tcmd(); }
    // Stops the command trace and returns its lines after the header, without the lines that
    // report a short command as unanswered (the far side here answers none).
    QStringList stopCommandTrace() {
        w->tcmd();
        QFile file(w->AppDir + QStringLiteral("temp") + QDir::separator() +
                   QStringLiteral("tracecmd.txt"));
        if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<no trace file>")};
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        if (!lines.isEmpty()) lines.removeFirst();
        lines.removeIf([](const QString& l) { return l.contains(QStringLiteral("  no reply ")); });
        return lines;
    }
    // How a trace line for this frame ends: the position's blank, the name, two blanks and the
    // frame's hex text.
    static std::string traceTail(const QString& name, const QByteArray& frameBytes) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(frameBytes.constData());
        return (QLatin1Char(' ') + name + QStringLiteral("  ") +
                frame::hexText(std::span(data, static_cast<std::size_t>(frameBytes.size()))))
            .toStdString();
    }
    static std::string traceTail(const QString& name, const char* body) {
        return traceTail(name, framed(body));
    }

    // Rows 1..8 of one grid column.
    static QStringList column(const StringGrid& grid, int col, int lastRow = 8) {
        QStringList cells;
        for (int r = 1; r <= lastRow; ++r) cells << grid.cell(col, r);
        return cells;
    }
};
