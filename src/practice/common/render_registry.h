#pragma once
// Topics that can be worked offscreen and written to a picture or to a
// JSON description of the worksheet, for preparing worksheets and for
// checking them: `cifrala --render TOPIC --seed N --steps K --out F.png|F.json`.
//
// Each window's folder registers its topics in a function that the
// catalogue calls (practice/catalogue.cpp). A topic declares its options
// with their allowed values and defaults; the registry refuses what is not
// declared, fills in the defaults and writes the usage text. The factory
// creates the window (not shown) with the options applied; the registry
// then seeds the random source, starts the window as showing does, works
// the steps and reads the worksheet.
#include <QImage>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "formula/display_list.h"

namespace cifrala {

class PracticeWindow;

// Options after the topic name: "--name value" pairs (seed, steps and out
// are read by the registry; the rest go to the topic).
using RenderOptions = QMap<QString, QString>;

struct RenderOption {
    QString name;           // without "--"
    QStringList values;     // the values it takes; empty: any, the topic judges it
    QString default_value;  // when it is not given; empty: the topic chooses (at random)
};

struct RenderTopic {
    QString name;
    int description_message = 0;  // one line for the usage text
    std::vector<RenderOption> options;
    // Creates the window with the options applied. Every declared option
    // with a default is present, and every present value is one of the
    // declared ones.
    std::function<std::unique_ptr<PracticeWindow>(const RenderOptions&)> create;
    // Instead of `create`: a figure drawn straight from the options (a graph
    // of the explanation window). The picture and what it drew, or a null
    // picture and an error text.
    std::function<QImage(const RenderOptions&, QString* error, DisplayList* items)> draw;
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

// The topic's options as the factory gets them (defaults filled in); false
// with an error text for an option the topic does not have or a value it
// does not take.
bool complete_render_options(const RenderTopic& topic, const RenderOptions& given,
                             RenderOptions& complete, QString* error);

// Works the exercise and returns the window as it is then (nullptr and an
// error text when the topic or an option is wrong).
std::unique_ptr<PracticeWindow> work_exercise(const RenderRequest& request, QString* error);
// The worksheet picture of the worked exercise (null and an error text when
// the topic or an option is wrong).
QImage render_exercise(const RenderRequest& request, QString* error);
// The worksheet of the worked exercise as JSON (empty and an error text).
QJsonObject render_exercise_json(const RenderRequest& request, QString* error);

// The usage lines of the render mode.
QStringList render_usage();

}  // namespace cifrala
