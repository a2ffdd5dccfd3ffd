#include "app/render_cli.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QSaveFile>
#include <cstdio>

#include "practice/catalogue.h"
#include "practice/common/render_registry.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/notify.h"
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

int refused(const RenderRequest& request, const QString& error) {
    print_line(error);
    if (!find_render_topic(request.topic))
        for (const QString& line : render_usage())
            print_line(line);
    return 2;
}

// Nobody is there to close a message box: while the render mode runs, the
// reports a window makes (a damaged data file, say) go to standard error.
class MessagesToStandardError {
public:
    MessagesToStandardError()
        : previous_(set_message_handler([](const ShownMessage& m) { print_line(m.text); })) {}
    ~MessagesToStandardError() { set_message_handler(previous_); }
    MessagesToStandardError(const MessagesToStandardError&) = delete;
    MessagesToStandardError& operator=(const MessagesToStandardError&) = delete;

private:
    MessageHandler previous_;
};

// "F.json" gets the worksheet's display list, anything else its picture.
bool wants_json(const QString& out) {
    return out.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

bool write_json(const QString& path, const QJsonObject& json) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return f.commit();
}

}  // namespace

int run_render_cli(const QStringList& args) {
    const MessagesToStandardError reports;
    select_startup_language();
    const QStringList rest = take_language(args);
    init_number_settings();
    register_catalogue();
    RenderRequest request;
    QString error;
    if (!parse_render_request(rest, request, &error)) {
        print_line(error);
        for (const QString& line : render_usage())
            print_line(line);
        return 2;
    }
    bool written = false;
    if (wants_json(request.out)) {
        const QJsonObject json = render_exercise_json(request, &error);
        if (json.isEmpty()) return refused(request, error);
        written = write_json(request.out, json);
    } else {
        const QImage picture = render_exercise(request, &error);
        if (picture.isNull()) return refused(request, error);
        written = picture.save(request.out, "PNG");
    }
    if (!written) {
        print_line(msg(1357) + QLatin1Char(' ') + request.out);
        return 1;
    }
    return 0;
}

}  // namespace cifrala
