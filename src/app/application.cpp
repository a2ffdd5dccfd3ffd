#include "app/application.h"

#include <QApplication>
#include <cstdio>

#include "text/program_dir.h"

namespace cifrala {

int run_program(int argc, char** argv) {
    QApplication app(argc, argv);
    init_program_dir(QCoreApplication::applicationFilePath());
    std::printf("cifrala %s\n", CIFRALA_VERSION);
    return 0;
}

}  // namespace cifrala
