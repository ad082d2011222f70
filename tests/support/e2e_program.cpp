#include "tests/support/e2e_program.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>

namespace e2e {

namespace {
constexpr int GraceMs = 3000;
}

bool waitUntil(const std::function<bool()>& cond, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > timeoutMs) return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(20);
    }
    return true;
}

Program::Program(const QString& path, const QStringList& args, const QProcessEnvironment& env,
                 const QString& workDir)
    : process_(std::make_unique<QProcess>()) {
    process_->setProcessEnvironment(env);
    if (!workDir.isEmpty()) process_->setWorkingDirectory(workDir);
    process_->start(path, args);
    started_ = process_->waitForStarted(10000);
}

Program::~Program() {
    stop();
}

bool Program::running() const {
    return process_->state() == QProcess::Running;
}

qint64 Program::pid() const {
    return process_->processId();
}

void Program::collect() {
    out_ += QString::fromLocal8Bit(process_->readAllStandardOutput());
    err_ += QString::fromLocal8Bit(process_->readAllStandardError());
}

QString Program::output() {
    process_->waitForReadyRead(0);
    collect();
    return out_;
}

QString Program::errors() {
    collect();
    return err_;
}

QString Program::waitForLine(const QRegularExpression& line, int timeoutMs) {
    QString found;
    waitUntil(
        [&] {
            process_->waitForReadyRead(20);
            collect();
            for (const QString& l : out_.split(QLatin1Char('\n'))) {
                if (line.match(l.trimmed()).hasMatch()) {
                    found = l.trimmed();
                    return true;
                }
            }
            return !running();
        },
        timeoutMs);
    return found;
}

void Program::signal(int sig) {
    if (running()) ::kill(static_cast<pid_t>(pid()), sig);
}

bool Program::waitForExit(int timeoutMs) {
    const bool done =
        process_->state() == QProcess::NotRunning || process_->waitForFinished(timeoutMs);
    collect();
    return done;
}

void Program::stop() {
    if (!process_ || process_->state() == QProcess::NotRunning) return;
    process_->terminate();
    if (!process_->waitForFinished(GraceMs)) {
        process_->kill();
        process_->waitForFinished(GraceMs);
    }
    collect();
}

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    // The part after the last line end is empty, or a line still being written.
    lines.removeLast();
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    return lines;
}

}  // namespace e2e
