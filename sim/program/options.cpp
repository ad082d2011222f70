#include "sim/program/options.h"

#include <QCommandLineParser>

namespace sim {

namespace {
struct Opt {
    const char* name;
    const char* value;  // nullptr for a switch
};

constexpr Opt Options[] = {
    {"load", "PERCENT"},     {"seed", "N"},
    {"duration", "SECONDS"}, {"machines", "N"},
    {"bit-errors", "RATE"},  {"garbage", "RATE"},
    {"stalls", nullptr},     {"no-controller", nullptr},
    {"hold", nullptr},       {"port", "N"},
    {"fifo", "BYTES"},       {"usb", nullptr},
    {"replay", "FILE"},      {"stats", "FILE"},
    {"log-rx", "FILE"},      {"log-tx", "FILE"},
    {"hunt", nullptr},       {"help", nullptr},
};

bool number(const QString& text, double lo, double hi, double& out) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v < lo || v > hi) return false;
    out = v;
    return true;
}

bool whole(const QString& text, int lo, int hi, int& out) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lo || v > hi) return false;
    out = v;
    return true;
}
}  // namespace

QString helpText() {
    return QStringLiteral(
        "Usage: quenlar-sim [options]\n"
        "\n"
        "Plays a machine-control bus on a pseudo-terminal: a synchroniser with machines A to F\n"
        "and an edit controller of its own, speaking Sony 9-pin with the extended tallies, at\n"
        "38400 baud line pace. It prints the device and the line QUENLAR_COM1=<device>; start\n"
        "the analyser with that line in its environment (quenlar 1) to analyse the bus.\n"
        "\n"
        "Options:\n"
        "  --load PERCENT     share of the line's capacity to fill, 1 to 100 (default 50); the\n"
        "                     master-position tally and one machine tally go out every 40 ms\n"
        "                     whatever the load\n"
        "  --seed N           seed of every random choice; the same seed plays the same bus\n"
        "                     (default: a fresh seed, printed at the start)\n"
        "  --duration SECONDS run this long, then end (default: until Ctrl+C or SIGTERM)\n"
        "  --machines N       machines on the synchroniser, 1 to 6 (default 6)\n"
        "  --bit-errors RATE  chance per byte, 0 to 1, that noise flips one of its bits\n"
        "  --garbage RATE     chance per frame, 0 to 1, of one to three stray bytes before it\n"
        "  --stalls           now and then (at one frame in a hundred) let frames go as one\n"
        "                     block of more than 30 bytes, as a held-up receiver meets them\n"
        "  --no-controller    no controller of its own: only the analyser speaks, and tallies\n"
        "                     flow only while it keeps cyclic data enabled\n"
        "  --hold             keep the line quiet until SIGUSR1 arrives or Enter is pressed\n"
        "  --hunt             a troubled system: every machine runs, chasing the master; B's\n"
        "                     servo hunts (its sync error swings through lock and out again)\n"
        "                     and C drops out for 4 s of every 20 (\"No Comms\"), then locks\n"
        "                     again\n"
        "  --port N           print QUENLAR_COM<N>=... instead of QUENLAR_COM1 (default 1)\n"
        "  --fifo BYTES       hand each frame on in pieces of at most this many bytes, each\n"
        "                     once its last byte would have come over the wire, as a UART's\n"
        "                     receive FIFO does (8 for a 16550); default 0: each frame at\n"
        "                     once. A far side that reopens within a frame may then start\n"
        "                     in the middle of one\n"
        "  --usb              hand the line on as a USB serial adapter at its default 16 ms\n"
        "                     latency timer does: every 16 ms, in one piece of at most 64\n"
        "                     bytes, whatever has come over the wire by then; not with --fifo\n"
        "  --replay FILE      play the frames and dropped bytes of a trace-all file back onto\n"
        "                     the line, in order, once the far side is open; then stay quiet\n"
        "  --stats FILE       write the final counts there, one key=value a line\n"
        "  --log-rx FILE      write what the far side sent, as trace-all lines\n"
        "  --log-tx FILE      write every chunk put on the line, tagged F (frame), D (frame\n"
        "                     hit by a bit error), G (garbage), S (frame of a stall block) or\n"
        "                     P (replayed chunk)\n"
        "  --help             this text\n"
        "\n"
        "The far side may be opened and closed as often as you like; nothing is written while\n"
        "it is closed. At the end a line \"stats: frames=... bytes=...\" gives the counts.\n");
}

ParsedOptions parseOptions(const QStringList& args) {
    ParsedOptions result;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Opt& o : Options) {
        const QString name = QLatin1String(o.name);
        parser.addOption(o.value != nullptr
                             ? QCommandLineOption(name, QString(), QLatin1String(o.value))
                             : QCommandLineOption(name));
    }
    if (!parser.parse(args)) {
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]);
        return result;
    }
    result.help = parser.isSet(QStringLiteral("help"));
    SimOptions& o = result.options;
    const auto fail = [&](const char* name, const char* range) {
        result.error =
            QStringLiteral("--%1 wants %2, not '%3'")
                .arg(QLatin1String(name), QLatin1String(range), parser.value(QLatin1String(name)));
    };
    const auto get = [&](const char* name) { return parser.value(QLatin1String(name)); };
    const auto has = [&](const char* name) { return parser.isSet(QLatin1String(name)); };

    if (has("load") && !number(get("load"), 1, 100, o.load))
        fail("load", "a percentage from 1 to 100");
    if (has("duration") && !number(get("duration"), 0, 1e7, o.duration))
        fail("duration", "a number of seconds");
    if (has("machines") && !whole(get("machines"), 1, 6, o.machines)) fail("machines", "1 to 6");
    if (has("bit-errors") && !number(get("bit-errors"), 0, 1, o.bitErrors))
        fail("bit-errors", "a rate from 0 to 1");
    if (has("garbage") && !number(get("garbage"), 0, 1, o.garbage))
        fail("garbage", "a rate from 0 to 1");
    if (has("port") && !whole(get("port"), 1, 9999, o.port)) fail("port", "a port number from 1");
    if (has("fifo") && !whole(get("fifo"), 0, 64, o.fifo)) fail("fifo", "0 to 64 bytes");
    if (has("seed")) {
        bool ok = false;
        const qulonglong s = get("seed").toULongLong(&ok);
        if (ok) {
            o.seed = s;
        } else {
            fail("seed", "a whole number");
        }
    }
    o.usb = has("usb");
    if (o.usb && o.fifo != 0)
        result.error = QStringLiteral("--usb and --fifo cannot be given together");
    o.stalls = has("stalls");
    o.controller = !has("no-controller");
    o.hold = has("hold");
    o.hunt = has("hunt");
    o.replay = get("replay");
    o.statsFile = get("stats");
    o.logRx = get("log-rx");
    o.logTx = get("log-tx");
    return result;
}

}  // namespace sim
