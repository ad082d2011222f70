#pragma once
// The one text file both traces write. Lines end in CR LF and collect in a buffer of the file's
// own, which goes to disk when it fills and when the file is closed; a trace file is therefore
// complete once its trace has been switched off (or the program has ended).
//
// A failure to create the folder, open, write or close raises the file error texts (AppError
// from ioerr). The file is closed first, and `onFailure` runs, so that the owner can show that
// no trace is running any more; what reached the disk before stays there.
#include <QByteArray>
#include <QString>

#include <functional>

class TraceFile {
  public:
    TraceFile() = default;
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;
    // Writes what is still buffered, so that a trace still running at the end keeps its last lines.
    ~TraceFile();

    // Creates the file or empties an existing one; creates its folder when it is missing.
    void open(const QString& path);
    void writeLine(const QString& line);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    std::function<void()> onFailure;

  private:
    [[noreturn]] void fail(int error);
    // Returns 0 or the errno of the failed write.
    int flush();

    int fd_ = -1;
    QByteArray buffer_;
};
