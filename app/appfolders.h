#pragma once
// Where the program keeps the user's files (AppDir: traces, keydef) and where it finds the
// protocol documents. Run from a folder it may write to (the build folder, a portable copy), the
// program keeps everything beside itself. Installed (its folder not writable) it keeps the user's
// files in the user's data folder and reads the documents from the installed share folder:
//
//   <prefix>/bin/quenlar                   the program
//   <prefix>/share/quenlar/extend.txt      the documents
//   $XDG_DATA_HOME/quenlar/                the user's files (default ~/.local/share/quenlar/)
#include <QString>

namespace appfolders {

// What the decision looks at; the caller reads it from the system.
struct Surroundings {
    QString programFolder;  // startup::programFolder(): the program's folder
    bool programFolderWritable = false;
    QString xdgDataHome;  // $XDG_DATA_HOME, empty when unset
    QString home;         // $HOME
};

struct Folders {
    QString appDir;     // the user's files
    QString documents;  // extend.txt and Extended.pdf
};

Folders choose(const Surroundings& s);

// Whether this process may create files in `folder`, as access(W_OK) answers. The superuser may
// write into any folder of a writable file system, so for root only a missing folder or a
// read-only mount counts as not writable.
bool writable(const QString& folder);

}  // namespace appfolders
