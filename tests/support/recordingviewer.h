#pragma once
// A stand-in for the desktop's viewer: a script, named by QUENLAR_OPEN, that notes each file it is
// asked to open and the folder it was started in.
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

class RecordingViewer {
  public:
    // Writes the script and points QUENLAR_OPEN at it; false when it could not.
    bool install() {
        if (!tools_.isValid()) return false;
        log_ = tools_.filePath(QStringLiteral("opened.log"));
        const QString opener = tools_.filePath(QStringLiteral("opener"));
        QFile script(opener);
        if (!script.open(QIODevice::WriteOnly)) return false;
        script.write("#!/bin/sh\nprintf '%s\\t%s\\n' \"$1\" \"$(pwd -P)\" >> '" +
                     log_.toLocal8Bit() + "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUENLAR_OPEN", opener.toLocal8Bit());
        return true;
    }
    // Each start so far, oldest first: the file, a tab, the folder it ran in.
    QStringList starts() const {
        QFile f(log_);
        QStringList out;
        if (!f.open(QIODevice::ReadOnly)) return out;
        for (const QByteArray& l : f.readAll().split('\n')) {
            if (!l.isEmpty()) out << QString::fromLocal8Bit(l);
        }
        return out;
    }
    // A path in the viewer's own folder, for a viewer that is not there.
    QString pathOf(const QString& name) const { return tools_.filePath(name); }

  private:
    QTemporaryDir tools_;
    QString log_;
};
