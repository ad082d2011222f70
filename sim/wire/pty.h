#pragma once
// The simulator's end of a pseudo-terminal. The far side (the slave device) is the analyser's
// serial port; it may be opened and closed any number of times while this end stays.
#include <QByteArray>
#include <QString>

namespace sim {

class PseudoTerminal {
  public:
    // Opens a new pseudo-terminal in raw mode; throws SimError when the system has none.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const QString& farSidePath() const { return path_; }
    int fd() const { return fd_; }

    // True while some program has the far side open.
    bool farSideOpen() const;
    // What the far side wrote since the last call; empty when nothing waits.
    QByteArray read();
    // Writes the bytes whole; false when the far side was not taking them (closed, or not
    // reading for a long time), in which case they are gone.
    bool write(const QByteArray& bytes);
    // Forgets bytes written that the far side has not read: a program that opens the line next
    // must not find a stale pile of them.
    void discardUnread();

  private:
    int fd_ = -1;
    QString path_;
};

}  // namespace sim
