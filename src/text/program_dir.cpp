#include "text/program_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cifrala {
namespace {

QString& dir_value() {
    static QString d = QDir::currentPath();
    return d;
}
QString& file_value() {
    static QString f;
    return f;
}
QString& config_value() {
    static QString c;
    return c;
}

QString clean(const QString& d) {
    QString c = QDir::cleanPath(QDir(d).absolutePath());
    while (c.size() > 1 && c.endsWith('/'))
        c.chop(1);
    return c;
}

}  // namespace

void init_program_dir(const QString& executable_path) {
    QFileInfo exe(executable_path);
    file_value() = exe.fileName();
    const QByteArray env = qgetenv("CIFRALA_DATA_DIR");
    if (!env.isEmpty()) {
        dir_value() = clean(QString::fromLocal8Bit(env));
    } else if (QFileInfo::exists(exe.absolutePath() + "/anederlands.msg")) {
        dir_value() = clean(exe.absolutePath());
    } else if (const QString installed =
                   exe.absolutePath() + QStringLiteral("/" CIFRALA_RELATIVE_SHARE_DIR);
               QFileInfo::exists(installed + "/anederlands.msg")) {
        dir_value() = clean(installed);
    } else if (QFileInfo::exists(QStringLiteral(CIFRALA_SHARE_DIR "/anederlands.msg"))) {
        dir_value() = clean(QStringLiteral(CIFRALA_SHARE_DIR));
    } else {
        dir_value() = clean(exe.absolutePath());
    }
    const QByteArray cfg = qgetenv("CIFRALA_CONFIG_DIR");
    if (!cfg.isEmpty()) {
        config_value() = clean(QString::fromLocal8Bit(cfg));
    } else {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        if (base.isEmpty()) base = QDir::homePath() + "/.config";
        config_value() = clean(base + "/cifrala");
    }
}

const QString& program_dir() {
    return dir_value();
}
const QString& program_file_name() {
    return file_value();
}

const QString& user_config_dir() {
    if (config_value().isEmpty()) config_value() = clean(QDir::homePath() + "/.config/cifrala");
    return config_value();
}

void set_program_dir(const QString& dir) {
    dir_value() = clean(dir);
}
void set_user_config_dir(const QString& dir) {
    config_value() = clean(dir);
}

QString data_path(const QString& name) {
    if (QDir::isAbsolutePath(name)) return name;
    return dir_value() + '/' + name;
}

}  // namespace cifrala
