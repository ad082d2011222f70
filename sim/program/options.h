#pragma once
// quenlar-sim's command line.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace sim {

struct SimOptions {
    double load = 50;                   // percent of the line's capacity
    std::optional<std::uint64_t> seed;  // none: a fresh one, printed so the run can be repeated
    double duration = 0;                // seconds; 0 runs until stopped
    int machines = 6;
    double bitErrors = 0;  // chance per byte
    double garbage = 0;    // chance per frame
    bool stalls = false;
    bool controller = true;
    bool hold = false;  // quiet until SIGUSR1 or Enter
    bool hunt = false;  // a troubled system: B hunts, C drops out now and then
    int port = 1;       // the N of the QUENLAR_COM<N> line
    int fifo = 0;       // bytes the receiving UART hands on at a time; 0: each frame whole
    bool usb = false;   // handed on as a USB serial adapter does; not with a fifo
    QString replay;
    QString statsFile;
    QString logRx;
    QString logTx;
};

struct ParsedOptions {
    SimOptions options;
    bool help = false;
    QString error;  // empty when the command line was good
};

// `args` starts with the program name.
ParsedOptions parseOptions(const QStringList& args);
QString helpText();

}  // namespace sim
