#include "app/application.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/eval_cli.h"
#include "app/program.h"
#include "app/render_cli.h"
#include "text/program_dir.h"

namespace cifrala {
namespace {

const char* const kUsage =
    "Usage: cifrala [options]\n"
    "\n"
    "Practice program for school mathematics.\n"
    "\n"
    "Options:\n"
    "  --no-splash       start without the 2-second start-up window\n"
    "  --maintenance     show the maintenance commands in the menu\n"
    "  --eval EXPR [--radians]\n"
    "                    evaluate EXPR as a typed answer is evaluated (degrees\n"
    "                    unless --radians) and print the value with the locale's\n"
    "                    decimal separator; exit code 0, or 1\n"
    "                    with \"error CODE\" (\"error -1234 message N\" when a list\n"
    "                    function failed) on stdout and the message on stderr\n"
    "  --render TOPIC [--seed N] [--steps K|all] [--language nl|en] --out FILE.png\n"
    "                    work K steps (or all) of the exercise that seed N gives\n"
    "                    and save the worksheet as a picture; topics: --render list\n"
    "  --help            show this text and exit\n"
    "  --version         show the version and exit\n"
    "\n"
    "Environment:\n"
    "  CIFRALA_DATA_DIR    folder with the language and data files\n"
    "  CIFRALA_CONFIG_DIR  folder for the topic settings (default ~/.config/cifrala)\n";

bool has(const QStringList& args, const char* option) {
    return args.contains(QString::fromLatin1(option));
}

}  // namespace

int run_program(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (has(args, "--help") || has(args, "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (has(args, "--version")) {
        std::printf("cifrala %s\n", CIFRALA_VERSION);
        return 0;
    }
    if (!args.isEmpty() && args[0] == QLatin1String("--eval")) {
        QCoreApplication app(argc, argv);
        init_program_dir(QCoreApplication::applicationFilePath());
        return run_eval_cli(args.mid(1));
    }
    if (!args.isEmpty() && args[0] == QLatin1String("--render")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        init_program_dir(QCoreApplication::applicationFilePath());
        return run_render_cli(args.mid(1));
    }
    for (const QString& a : args) {
        if (a.startsWith('-') && a != "--no-splash" && a != "--maintenance") {
            std::fprintf(stderr, "cifrala: unknown option %s\n%s", a.toLocal8Bit().constData(),
                         kUsage);
            return 2;
        }
    }

    QApplication app(argc, argv);
    init_program_dir(QCoreApplication::applicationFilePath());
    StartOptions options;
    options.splash = !has(args, "--no-splash");
    options.maintenance = has(args, "--maintenance");
    Program program(options);
    return program.run();
}

}  // namespace cifrala
