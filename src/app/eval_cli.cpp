#include "app/eval_cli.h"

#include <QCoreApplication>
#include <cstdio>

#include "expr/eval_text.h"
#include "expr/expression.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/program_dir.h"
#include "util/format.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

void write_line(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
    std::fflush(to);
}

}  // namespace

int run_eval_cli(const QStringList& args) {
    if (QCoreApplication::instance()) {
        init_program_dir(QCoreApplication::applicationFilePath());
    }
    select_startup_language();
    // The decimal separator of the process locale (LC_ALL, LC_NUMERIC, LANG).
    init_number_settings();

    QString expression;
    for (const QString& a : args) {
        if (a == QLatin1String("--radians"))
            number_settings.radians = true;
        else if (expression.isEmpty())
            expression = a;
        else
            expression += QLatin1Char(' ') + a;
    }

    double value = 0;
    if (eval_text(expression, value)) {
        write_line(stdout, format_real_full(value));
        return 0;
    }
    const int code = last_evaluation_error();
    const int message = function_message_number();
    if (code == expr_error::kListFunctionFailed && message > 0) {
        write_line(stdout, QStringLiteral("error %1 message %2").arg(code).arg(message));
        write_line(stderr, msg(message));
    } else {
        write_line(stdout, QStringLiteral("error %1").arg(code));
        write_line(stderr, msg(error_message_number(code)));
    }
    return 1;
}

}  // namespace cifrala
