#pragma once
// Programs a whole-program test starts: each one ends when its object goes (SIGTERM, then
// SIGKILL), so a failing test leaves nothing running behind it.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace e2e {

// Checks cond() every few milliseconds, processing Qt events meanwhile (a program's output
// arrives through them), until it holds or timeoutMs passes; returns cond().
bool waitUntil(const std::function<bool()>& cond, int timeoutMs);

class Program {
  public:
    Program(const QString& path, const QStringList& args, const QProcessEnvironment& env,
            const QString& workDir = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return started_; }
    bool running() const;
    qint64 pid() const;
    // Standard output and error so far.
    QString output();
    QString errors();
    // Waits until a line of standard output matches; returns the first such line, or an empty
    // text after timeoutMs.
    QString waitForLine(const QRegularExpression& line, int timeoutMs);
    void signal(int sig);
    bool waitForExit(int timeoutMs);
    // SIGTERM, a grace of a few seconds, then SIGKILL.
    void stop();

  private:
    void collect();

    std::unique_ptr<QProcess> process_;
    QString out_;
    QString err_;
    bool started_ = false;
};

// The complete lines of a text file (CR LF or LF), without their line ends; a last line still
// being written is left out. Empty when the file does not exist.
QStringList fileLines(const QString& path);

}  // namespace e2e
