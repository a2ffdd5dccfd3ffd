#include "support/temp_data_dir.h"

#include <QFile>

#include "text/cp1252.h"
#include "text/program_dir.h"

namespace cifrala::testing {

TempDataDir::TempDataDir() : previous_(program_dir()) {
    set_program_dir(dir_.path());
}

TempDataDir::~TempDataDir() {
    set_program_dir(previous_);
}

void TempDataDir::write_lines(const QString& name, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& l : lines) {
        bytes += to_cp1252(l);
        bytes += "\r\n";
    }
    write_bytes(name, bytes);
}

void TempDataDir::write_bytes(const QString& name, const QByteArray& bytes) const {
    QFile f(dir_.filePath(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QByteArray TempDataDir::read_bytes(const QString& name) const {
    QFile f(dir_.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TempDataDir::copy_shipped(const QString& name) const {
    QFile::remove(dir_.filePath(name));
    QFile::copy(previous_ + '/' + name, dir_.filePath(name));
}

}  // namespace cifrala::testing
