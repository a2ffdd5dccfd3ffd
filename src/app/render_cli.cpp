#include "app/render_cli.h"

#include <QImage>
#include <cstdio>

#include "practice/common/render_registry.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

void print_line(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// "--language nl|en" is the render mode's own; it is taken out before the
// rest is read.
QStringList take_language(const QStringList& args) {
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--language") && i + 1 < args.size()) {
            language_index = args[i + 1] == QLatin1String("en") ? 1 : 0;
            set_language_prefix_from_index();
            ++i;
        } else {
            rest << args[i];
        }
    }
    return rest;
}

}  // namespace

int run_render_cli(const QStringList& args) {
    select_startup_language();
    const QStringList rest = take_language(args);
    init_number_settings();
    RenderRequest request;
    QString error;
    if (!parse_render_request(rest, request, &error)) {
        print_line(error);
        for (const QString& line : render_usage())
            print_line(line);
        return 2;
    }
    const QImage picture = render_exercise(request, &error);
    if (picture.isNull()) {
        print_line(error);
        if (!find_render_topic(request.topic))
            for (const QString& line : render_usage())
                print_line(line);
        return 2;
    }
    if (!picture.save(request.out, "PNG")) {
        print_line(msg(1357) + QLatin1Char(' ') + request.out);
        return 1;
    }
    return 0;
}

}  // namespace cifrala
