#pragma once
// The key definition file `keydef`: consecutive 55-byte records, read and written one whole
// record at a time. Failures raise the file error texts (serial/AppError.h).
//
// The file is never truncated and never created over an existing one: an open is for reading
// and writing of a file that must exist, and a record is written in place. So a failed load or
// save leaves what was on disk as it was.
#include "control/keyrecord.h"

#include <QString>

namespace keyfile {

// AppDir + "keydef".
QString path(const QString& appDir);

// Creates the file with the four default records (labels "A" to "D", all else zero). Does
// nothing when something of that name already exists. A file left incomplete by a failed write
// is removed again, so that it is not mistaken for a short key file later.
void createDefault(const QString& path);

// One open of the file, for reading and writing; closed when it goes out of scope.
class File {
  public:
    explicit File(const QString& path);
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Reads record `index` whole into `out`; "Read beyond end of file" when the file ends
    // before it, and `out` is then left as it was.
    void read(int index, keyrecord::Record& out);
    // Writes record `index` in place.
    void write(int index, const keyrecord::Record& record);
    // Closes now and reports a failure to close.
    void close();

  private:
    int fd_ = -1;
};

}  // namespace keyfile
