#include "text/window_size_store.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "text/program_dir.h"

namespace cifrala {
namespace {

constexpr int kMaxSide = 100000;
constexpr qint64 kMaxFileSize = 64;

QString path_of(const QString& file_name) {
    return user_config_dir() + QLatin1Char('/') + file_name;
}

}  // namespace

std::optional<QSize> load_window_size(const QString& file_name) {
    QFile f(path_of(file_name));
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFileSize) return std::nullopt;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.size() < 2) return std::nullopt;
    bool ok_w = false;
    bool ok_h = false;
    const int w = lines[0].trimmed().toInt(&ok_w);
    const int h = lines[1].trimmed().toInt(&ok_h);
    if (!ok_w || !ok_h || w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return std::nullopt;
    return QSize(w, h);
}

bool save_window_size(const QString& file_name, QSize size) {
    if (!QDir().mkpath(user_config_dir())) return false;
    QSaveFile f(path_of(file_name));
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray text =
        QByteArray::number(size.width()) + '\n' + QByteArray::number(size.height()) + '\n';
    if (f.write(text) != text.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

}  // namespace cifrala
