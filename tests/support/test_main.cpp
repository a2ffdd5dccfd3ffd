// Test entry point: a QApplication on the offscreen platform, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>

#include "text/file_dialogs.h"
#include "text/notify.h"
#include "text/program_dir.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests expect the Dutch conventions (decimal comma) unless they set others.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QApplication app(argc, argv);
    cifrala::init_program_dir(QCoreApplication::applicationFilePath());
    // Settings written by tests never reach the user's own config folder.
    QTemporaryDir config;
    cifrala::set_user_config_dir(config.path());
    // A message no test records must not wait for a click on the offscreen
    // screen: it is printed instead.
    cifrala::set_message_handler([](const cifrala::ShownMessage& m) {
        std::fprintf(stderr, "message: %s\n", m.text.toLocal8Bit().constData());
    });
    // Nor may a file dialog: unless a test answers it, it is cancelled.
    cifrala::set_file_dialog_handler([](const cifrala::FileDialogRequest&) { return QString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
