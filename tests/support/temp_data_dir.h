#pragma once
// A temporary program folder for tests that plant their own data files. The
// program folder is switched to it for the lifetime of the object.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace cifrala::testing {

class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();

    QString path() const { return dir_.path(); }
    // Writes the lines in Windows-1252 with CR LF line ends.
    void write_lines(const QString& name, const QStringList& lines) const;
    void write_bytes(const QString& name, const QByteArray& bytes) const;
    QByteArray read_bytes(const QString& name) const;
    // Copies a shipped data file into this folder.
    void copy_shipped(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace cifrala::testing
