// Qt's own dialog texts follow the chosen language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "text/language.h"
#include "text/qt_translations.h"
#include "text/translation.h"

namespace cifrala {
namespace {

class QtTranslationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QDir(qt_translations_dir()).entryList({QStringLiteral("qtbase_nl.qm")}).isEmpty())
            GTEST_SKIP() << "Qt's Dutch translations are not installed (qt6-translations-l10n)";
    }
    void TearDown() override {
        language_index = 0;
        set_language_prefix_from_index();
        apply_qt_translations(1);
    }
    static QString cancel_text() {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    }
};

TEST_F(QtTranslationsTest, StandardButtonsSwitchWithTheLanguage) {
    language_index = 0;
    apply_language();
    EXPECT_EQ(cancel_text(), QStringLiteral("Annuleren"));
    language_index = 1;
    apply_language();
    EXPECT_EQ(cancel_text(), QStringLiteral("Cancel"));
}

TEST_F(QtTranslationsTest, AnOpenDialogFollowsTheSwitch) {
    ASSERT_TRUE(apply_qt_translations(0));
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Annuleren"));
    apply_qt_translations(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Cancel"));
}

TEST_F(QtTranslationsTest, TheFileDialogSpeaksDutch) {
    ASSERT_TRUE(apply_qt_translations(0));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
              QStringLiteral("Annuleren"));
}

}  // namespace
}  // namespace cifrala
