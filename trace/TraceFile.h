#pragma once
// The one text file both traces write: lines end in CR LF and go through a buffer of the file's
// own; a failure to open, write or close raises the file error texts.
#include <QFile>
#include <QString>

class TraceFile {
public:
    TraceFile() = default;
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;
    ~TraceFile();

    // Creates the file or empties an existing one.
    void open(const QString& path);
    void writeLine(const QString& line);
    void close();
    bool isOpen() const { return file_.isOpen(); }

private:
    QFile file_;
};
