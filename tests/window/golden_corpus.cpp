// The golden corpus: every folder under tests/data that holds an input.txt is a scenario of line
// input. It runs through the main window twice from fresh windows, once under the trace-all and
// once under the command trace, and what the traces and the panels hold must match the files
// beside its input. tests/data/README.md describes the input and how to regenerate the files.
#include "tests/support/analysertest.h"
#include "tests/support/paneldump.h"
#include "tests/support/wait.h"

#include "link/StringGrid.h"
#include "tests/support/paramname.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QString DataFolder = QStringLiteral(QUENLAR_SOURCE_DIR "/tests/data/");

std::vector<std::string> scenarios() {
    std::vector<std::string> names;
    const QDir data(DataFolder);
    for (const QString& name : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFile::exists(data.filePath(name + QStringLiteral("/input.txt"))))
            names.push_back(name.toStdString());
    }
    return names;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll()
                                       : QByteArray("<missing " + path.toUtf8() + '>');
}

// The time of day at which a line was written changes from run to run.
QByteArray withFixedTimes(const QByteArray& trace) {
    static const QRegularExpression time(QStringLiteral(R"(\d\d:\d\d:\d\d\.\d\d\d)"));
    return QString::fromLatin1(trace).replace(time, QStringLiteral("hh:mm:ss.mmm")).toLatin1();
}

// Expected against actual, line by line, as '-' and '+' lines with two lines of context.
std::string lineDiff(const QByteArray& expected, const QByteArray& actual) {
    const QList<QByteArray> a = expected.split('\n');
    const QList<QByteArray> b = actual.split('\n');
    const std::size_t n = static_cast<std::size_t>(a.size());
    const std::size_t m = static_cast<std::size_t>(b.size());
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::vector<std::pair<char, QByteArray>> lines;
    for (std::size_t i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && a[i] == b[j]) {
            lines.emplace_back(' ', a[i++]);
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            lines.emplace_back('-', a[i++]);
        } else {
            lines.emplace_back('+', b[j++]);
        }
    }
    std::string out = "--- expected\n+++ actual\n";
    bool skipped = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::size_t from = k < 2 ? 0 : k - 2;
        const std::size_t to = std::min(lines.size(), k + 3);
        const bool nearChange = std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(from),
                                            lines.begin() + static_cast<std::ptrdiff_t>(to),
                                            [](const auto& l) { return l.first != ' '; });
        if (!nearChange) {
            skipped = true;
            continue;
        }
        if (skipped) out += "...\n";
        skipped = false;
        QByteArray text = lines[k].second;
        if (text.endsWith('\r')) text.chop(1);
        out += lines[k].first + text.toStdString() + '\n';
    }
    return out;
}

// Compares with the file, or writes it when regenerating.
void check(const QString& path, const QByteArray& actual) {
    if (qEnvironmentVariableIsSet("QUENLAR_REGENERATE")) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(actual);
        return;
    }
    const QByteArray expected = readFile(path);
    if (expected != actual)
        ADD_FAILURE() << path.toStdString() << '\n' << lineDiff(expected, actual);
}

class GoldenCorpus : public AnalyserTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void key(const QString& text) {
        const QKeyCombination k = QKeySequence::fromString(text)[0];
        ASSERT_NE(k.key(), Qt::Key_unknown) << "no such key: " << text.toStdString();
        QTest::keyClick(w.get(), k.key(), k.keyboardModifiers());
    }

    // Right-clicks the machine's row of the cyclic tallies, as the user picks what to monitor.
    void monitor(const QString& machine) {
        const int row = machine == QLatin1String("Gen") ? 7 : machine.at(0).unicode() - 'A' + 1;
        ASSERT_TRUE(machine.size() == 1 || row == 7)
            << "no such machine: " << machine.toStdString();
        StringGrid* grid = w->Grid4;
        grid->scrollToTop();
        const QPoint at(grid->columnViewportPosition(0) + 5,
                        grid->rowViewportPosition(row - 1) + 5);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
    }

    void click(const QString& name) {
        auto* button = w->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << "no such button: " << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void feed(const QString& hex, int times) {
        static const QRegularExpression pairs(QStringLiteral("^([0-9A-Fa-f]{2} ?)+$"));
        ASSERT_TRUE(pairs.match(hex).hasMatch()) << "not hex pairs: " << hex.toStdString();
        const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
        for (int i = 0; i < times; ++i) feedAndWait(*w->serial, *line, bytes);
    }

    // One line of input.txt: a data event of hex pairs, or a directive.
    void play(const QString& text) {
        const QString l = text.section(QLatin1Char('#'), 0, 0).simplified();
        if (l.isEmpty()) return;
        const QString word = l.section(QLatin1Char(' '), 0, 0);
        const QString rest = l.section(QLatin1Char(' '), 1);
        if (word == QLatin1String("key")) {
            key(rest);
        } else if (word == QLatin1String("monitor")) {
            monitor(rest);
        } else if (word == QLatin1String("click")) {
            click(rest);
        } else if (word == QLatin1String("show")) {
            shown += paneldump::dumpOne(*w, rest) + QLatin1Char('\n');
        } else if (word == QLatin1String("repeat")) {
            feed(rest.section(QLatin1Char(' '), 1), rest.section(QLatin1Char(' '), 0, 0).toInt());
        } else {
            feed(l, 1);
        }
    }

    void playAll(const QString& folder) {
        const QString input = QString::fromLatin1(readFile(folder + QStringLiteral("input.txt")));
        for (const QString& l : input.split(QLatin1Char('\n'))) play(l);
    }

    // What the `show` lines saw, in the order of the input.
    QString shown;

    QByteArray trace(const char* file) const {
        return withFixedTimes(readFile(w->AppDir + QStringLiteral("temp/") + QLatin1String(file)));
    }
};

TEST_P(GoldenCorpus, TracesAndPanelsMatchTheScenarioFiles) {
    const QString folder = DataFolder + QString::fromStdString(GetParam()) + QLatin1Char('/');

    key(QStringLiteral("Ctrl+A"));
    playAll(folder);
    key(QStringLiteral("Ctrl+A"));
    const QByteArray traceAll = trace("traceall.txt");

    closeWindows();
    line = std::make_shared<ScriptedLine>();
    open();
    key(QStringLiteral("Ctrl+T"));
    shown.clear();  // once, from the run that dumps the panels
    playAll(folder);
    const QByteArray panels = (shown + paneldump::dump(*w)).toUtf8();
    key(QStringLiteral("Ctrl+T"));
    const QByteArray traceCmd = trace("tracecmd.txt");

    check(folder + QStringLiteral("traceall.txt"), traceAll);
    check(folder + QStringLiteral("tracecmd.txt"), traceCmd);
    check(folder + QStringLiteral("panels.txt"), panels);
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty())
        << testsupport::errorBoxes().join('\n').toStdString();
    // A regenerated corpus is for a person to read and commit, never a pass.
    if (qEnvironmentVariableIsSet("QUENLAR_REGENERATE")) FAIL() << "regenerated";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, GoldenCorpus, ::testing::ValuesIn(scenarios()),
                         paramname::ByValue());

// The main window's make-up as the user first sees it, then in the details view.
using GoldenLayout = AnalyserTest;

TEST_F(GoldenLayout, MainWindowMatchesItsFile) {
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const QString compact = paneldump::geometry(*w);
    QTest::mouseClick(w->Details, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return w->height() == 600; }));
    const QString details = paneldump::geometry(*w);
    check(DataFolder + QStringLiteral("layout/mainwindow.txt"),
          (QStringLiteral("# compact view\n") + compact + QStringLiteral("# details view\n") +
           details)
              .toUtf8());
    if (qEnvironmentVariableIsSet("QUENLAR_REGENERATE")) FAIL() << "regenerated";
}

}  // namespace
