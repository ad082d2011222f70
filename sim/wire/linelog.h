#pragma once
// A text log of the line that a test can follow while the run goes on: every line is flushed as
// it is written.
#include <QFile>
#include <QString>

namespace sim {

class LineLog {
  public:
    // No path: logs nothing. Throws SimError when the file cannot be created.
    explicit LineLog(const QString& path);
    bool active() const { return file_.isOpen(); }
    void write(const QString& line);

  private:
    QFile file_;
};

}  // namespace sim
