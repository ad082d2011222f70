#pragma once
// A pseudo-terminal for tests: the test holds the master (the far end of the line) and a
// port number is pointed at the slave through QUENLAR_COM<n>.
#include <QByteArray>
#include <QString>

#include <termios.h>
#include <cstdint>

class Pty {
  public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // Sets QUENLAR_COM<n> to the slave, for the lifetime of this object.
    void mapPort(std::uint16_t comNumber);

    // The far end sends.
    void write(const QByteArray& bytes);
    // What has arrived at the far end so far; waits (at most timeoutMs) until `count` bytes came.
    QByteArray read(int count, int timeoutMs = 5000);
    // Everything that arrives within `timeoutMs`.
    QByteArray readFor(int timeoutMs);

    // The slave's settings as the line discipline holds them.
    termios slaveSettings() const;

    // The far end goes away: the slave hangs up and its device node disappears.
    void closeMaster();

  private:
    int master_ = -1;
    int slave_ = -1;  // held so the settings can be read back while the component owns the port
    QString slavePath_;
    QByteArray mappedVariable_;
};
