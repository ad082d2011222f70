#pragma once
// The one failure type of the system: a numeric code and a fixed English text. Nothing in the
// system's own code catches it; the application object does, at the edge of the event handler
// that raised it, and shows the text in an error box.
#include <QString>

#include <exception>
#include <string>

class AppError : public std::exception {
  public:
    AppError(int code, QString text)
        : code_(code), text_(std::move(text)), utf8_(text_.toStdString()) {}

    int code() const noexcept { return code_; }
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

  private:
    int code_;
    QString text_;
    std::string utf8_;
};

// Input/output failures of data and trace files carry the run-time library's classic codes and
// texts, so that users see the same wording whatever the file.
namespace ioerr {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int AccessDenied = 5;
inline constexpr int ReadBeyondEnd = 100;
inline constexpr int DiskFull = 101;
inline constexpr int FileNotOpen = 103;

inline QString text(int code) {
    switch (code) {
        case FileNotFound:
            return QStringLiteral("File not found");
        case PathNotFound:
            return QStringLiteral("Path not found");
        case AccessDenied:
            return QStringLiteral("File access denied");
        case ReadBeyondEnd:
            return QStringLiteral("Read beyond end of file");
        case DiskFull:
            return QStringLiteral("Disk full");
        case FileNotOpen:
            return QStringLiteral("File not open");
        default:
            return QStringLiteral("I/O error %1").arg(code);
    }
}

// Maps an errno value of a failed file operation to the code shown to the user.
inline int fromErrno(int e) {
    switch (e) {
        case 2:
            return FileNotFound;  // ENOENT
        case 20:
            return PathNotFound;  // ENOTDIR
        case 13:                  // EACCES
        case 1:                   // EPERM
        case 30:                  // EROFS
        case 21:                  // EISDIR
        case 26:                  // ETXTBSY
        case 16:
            return AccessDenied;  // EBUSY
        case 28:                  // ENOSPC
        case 122:
            return DiskFull;  // EDQUOT
        default:
            return e;
    }
}

inline AppError error(int code) {
    return AppError(code, text(code));
}
}  // namespace ioerr
