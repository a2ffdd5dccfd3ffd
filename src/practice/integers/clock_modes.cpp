#include "practice/integers/clock_modes.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <cmath>

#include "drawing/cards/time_units_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/surface_pane.h"
#include "practice/integers/clock_face.h"
#include "practice/integers/clock_time.h"
#include "practice/integers/integers_form.h"
#include "util/selection.h"

namespace cifrala {

using namespace integers_topic;

namespace {

// The bars lie over the worksheet just above their clocks (the rows below
// the clocks hold the worked texts), the labels at the clocks' top right.
const QRect kBar1(175, 8, 262, 26);
const QRect kBar2(625, 8, 262, 26);
const QPoint kLabel18(449, 38);
const QPoint kLabel19(900, 38);
const QSize kLabelSize(76, 18);

QSlider* make_bar(QWidget* parent, const QString& name) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setTickPosition(QSlider::TicksBelow);
    // Page Up and Page Down stay with the window's buttons.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    return bar;
}

QLabel* make_clock_label(QWidget* parent, const QString& name) {
    QLabel* l = make_label(parent, name, QString(), 10);
    l->setWordWrap(false);
    l->hide();
    return l;
}

}  // namespace

void ClockBarControls::hide() const {
    for (QWidget* w : std::initializer_list<QWidget*>{TrackBar1, TrackBar2, Label18, Label19})
        if (w) w->hide();
}

ClockBarControls clock_bar_controls(TGehele_getallen_Form& window) {
    ClockBarControls c;
    c.TrackBar1 = window.findChild<QSlider*>(QStringLiteral("TrackBar1"));
    if (c.TrackBar1) {
        c.TrackBar2 = window.findChild<QSlider*>(QStringLiteral("TrackBar2"));
        c.Label18 = window.findChild<QLabel*>(QStringLiteral("Label18"));
        c.Label19 = window.findChild<QLabel*>(QStringLiteral("Label19"));
        return c;
    }
    const QPoint at = window.Image1->pos();
    c.TrackBar1 = make_bar(&window, QStringLiteral("TrackBar1"));
    c.TrackBar1->setGeometry(kBar1.translated(at));
    c.TrackBar2 = make_bar(&window, QStringLiteral("TrackBar2"));
    c.TrackBar2->setGeometry(kBar2.translated(at));
    c.Label18 = make_clock_label(&window, QStringLiteral("Label18"));
    c.Label18->setGeometry(QRect(kLabel18 + at, kLabelSize));
    c.Label19 = make_clock_label(&window, QStringLiteral("Label19"));
    c.Label19->setGeometry(QRect(kLabel19 + at, kLabelSize));
    return c;
}

// --- the clocks ---

ClockMode::ClockMode(TGehele_getallen_Form& window, int topic)
    : IntegersMode(window, topic), bars_(clock_bar_controls(window)), worker_(window, *this) {
    QObject::connect(bars_.TrackBar1, &QSlider::valueChanged, &window,
                     [this](int p) { bar_moved(1, p); });
    QObject::connect(bars_.TrackBar2, &QSlider::valueChanged, &window,
                     [this](int p) { bar_moved(2, p); });
}

bool ClockMode::current() const {
    return w_.integers_mode() == this;
}

void ClockMode::showing() {
    // Topic 49 is worked under code 48: the same sheet.
    w_.use_topic_sheet(kClock, topic().font_size);
    w_.Panel3->hide();
    bars_.hide();
    started_ = false;
}

void ClockMode::new_exercise() {
    start(random_clock_exercise(topic().code == kAverageSpeed));
}

void ClockMode::start(const ClockExercise& e) {
    w_.hide_answer();
    bars_.hide();
    started_ = true;
    w_.show_step_button();
    worker_.start(e);
    w_.Button7->show();
    w_.after_step();
}

void ClockMode::rekenstap() {
    if (!started_ || !w_.sequence().idle()) return;
    w_.hide_answer();
    w_.Button7->hide();
    w_.Button1->hide();
    worker_.rekenstap();
    w_.after_step();
}

const StepWorker* ClockMode::worker() const {
    return started_ ? &worker_ : nullptr;
}

QString ClockMode::answer() const {
    return started_ ? worker_.answer() : QString();
}

void ClockMode::closing() {
    bars_.hide();
    hide_explanation_window();
}

void ClockMode::set_up_bars(int maximum) {
    const QSignalBlocker b1(bars_.TrackBar1), b2(bars_.TrackBar2);
    for (QSlider* bar : {bars_.TrackBar1, bars_.TrackBar2}) {
        bar->setRange(0, maximum);
        bar->setTickInterval(std::max(1, static_cast<int>(std::lround(maximum / 10.0))));
        bar->setPageStep(std::max(1, maximum / 10));
        bar->show();
        bar->raise();
    }
    bars_.TrackBar1->setValue(0);
    bars_.TrackBar2->setValue(maximum);
    bars_.Label18->hide();
    bars_.Label19->hide();
}

void ClockMode::move_bar(int bar, int position) {
    (bar == 1 ? bars_.TrackBar1 : bars_.TrackBar2)->setValue(position);
}

int ClockMode::bar_position(int bar) const {
    return (bar == 1 ? bars_.TrackBar1 : bars_.TrackBar2)->value();
}

void ClockMode::bar_moved(int bar, int position) {
    if (!started_ || !current()) return;
    const ClockExercise& e = worker_.exercise();
    const int maximum = std::max(1, e.elapsed());
    const int t = e.start + static_cast<int>(std::lround(position * 1.0 / maximum * e.elapsed()));
    const bool right = bar == 2;
    QLabel* label = right ? bars_.Label19 : bars_.Label18;
    const bool at_rest = right ? position >= maximum : position <= 0;
    if (at_rest) {
        klok(w_.surface(), right, right ? e.end : e.start);
        label->hide();
        return;
    }
    klok_with_ghost(w_.surface(), right, right ? e.end : e.start, t);
    label->setText(elapsed_label_text(right ? e.end - t : t - e.start));
    label->show();
    label->raise();
}

QVariantMap ClockMode::explanation_values() const {
    using namespace speed_card_keys;
    return {{kStep, worker_.speed_step()},
            {kDistance, worker_.exercise().distance},
            {kMinutes, worker_.exercise().elapsed()},
            {kElapsedText, worker_.elapsed_text()}};
}

void ClockMode::explain(int speed_step) {
    if (speed_step == kHideExplanation) {
        hide_explanation_window();
        return;
    }
    if (!w_.isVisible()) return;
    const int kept = selection.topic_code;
    selection.topic_code = speed_step < 0 ? kAverageSpeed : kClock;
    const QVariantMap values = explanation_values();
    explanation_window()->show_for(&w_, [values] { return values; });
    selection.topic_code = kept;
    // The keys stay with the exercise.
    w_.activateWindow();
}

// --- subtracting times of day ---

TimeCalculationMode::TimeCalculationMode(TGehele_getallen_Form& window)
    : IntegersMode(window, kTimeCalculation), worker_(window) {}

void TimeCalculationMode::showing() {
    w_.Panel3->hide();
    started_ = false;
}

void TimeCalculationMode::new_exercise() {
    start(random_time_exercise());
}

void TimeCalculationMode::start(const TimeExercise& e) {
    w_.hide_answer();
    started_ = true;
    w_.show_step_button();
    worker_.start(e);
    w_.Button7->show();
    w_.after_step();
}

void TimeCalculationMode::rekenstap() {
    if (!started_) return;
    w_.hide_answer();
    w_.Button7->hide();
    w_.Button1->hide();
    worker_.rekenstap();
    w_.after_step();
}

const StepWorker* TimeCalculationMode::worker() const {
    return started_ ? &worker_ : nullptr;
}

QString TimeCalculationMode::answer() const {
    return started_ ? worker_.answer() : QString();
}

}  // namespace cifrala
