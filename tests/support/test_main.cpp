// Test entry point: a QApplication on the offscreen platform, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "text/program_dir.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests expect the Dutch conventions (decimal comma) unless they set others.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QApplication app(argc, argv);
    cifrala::init_program_dir(QCoreApplication::applicationFilePath());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
