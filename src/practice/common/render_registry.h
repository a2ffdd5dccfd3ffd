#pragma once
// Topics that can be worked offscreen and written to a picture, for
// preparing worksheets: `cifrala --render TOPIC --seed N --steps K --out F`.
//
// A window registers its topics in its own .cpp file, for example
//     static const RenderTopicRegistrar fractions_topic{{
//         QStringLiteral("fractions"), 1362, {QStringLiteral("kind"), ...},
//         [](const RenderOptions& o, QString* error) { ... return window; }}};
// The factory creates the window (not shown) and applies the topic's
// options; the registry then seeds the random source, starts the window as
// showing does, works the steps and takes the picture of the surface.
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace cifrala {

class PracticeWindow;

// Options after the topic name: "--name value" pairs (seed, steps and out
// are read by the registry; the rest go to the topic).
using RenderOptions = QMap<QString, QString>;

struct RenderTopic {
    QString name;
    int description_message = 0;  // one line for the usage text
    QStringList options;          // the topic's own options (without "--")
    // Creates the window with the options applied; nullptr and an error text
    // (a message text) when an option is wrong.
    std::function<std::unique_ptr<PracticeWindow>(const RenderOptions&, QString* error)> create;
};

void register_render_topic(RenderTopic topic);
const RenderTopic* find_render_topic(const QString& name);
std::vector<const RenderTopic*> render_topics();

struct RenderRequest {
    QString topic;
    quint32 seed = 1;
    int steps = -1;  // -1: work the exercise to the end
    QString out;
    RenderOptions options;
};

// Reads the arguments that follow "--render". False with an error text when
// they are not understood.
bool parse_render_request(const QStringList& args, RenderRequest& request, QString* error);

// Works the exercise and returns the surface picture (null and an error
// text when the topic or an option is wrong).
QImage render_exercise(const RenderRequest& request, QString* error);

// The usage lines of the render mode.
QStringList render_usage();

struct RenderTopicRegistrar {
    explicit RenderTopicRegistrar(RenderTopic topic) { register_render_topic(std::move(topic)); }
};

}  // namespace cifrala
