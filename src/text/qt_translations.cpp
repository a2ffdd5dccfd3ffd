#include "text/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace cifrala {
namespace {

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

}  // namespace

QString qt_translations_dir() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool apply_qt_translations(int language) {
    auto& current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (language == 1) return true;  // Qt's own texts are English
    auto dutch = std::make_unique<QTranslator>();
    if (!dutch->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                     QStringLiteral("_"), qt_translations_dir())) {
        return false;
    }
    QCoreApplication::installTranslator(dutch.get());
    current = std::move(dutch);
    return true;
}

}  // namespace cifrala
