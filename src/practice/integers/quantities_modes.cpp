#include "practice/integers/quantities_modes.h"

#include <QCheckBox>
#include <QPushButton>

#include "drawing/explanation/tekening_form.h"
#include "practice/integers/integers_form.h"
#include "text/messages.h"

namespace cifrala {

using namespace integers_topic;

QuantityMode::QuantityMode(TGehele_getallen_Form& window, int topic, QuantityWorker& worker)
    : IntegersMode(window, topic), base_(worker) {}

void QuantityMode::showing() {
    w_.Panel3->hide();
    started_ = false;
}

void QuantityMode::begin() {
    base_.explanation = [this](bool show) { explain(show); };
    w_.hide_answer();
    started_ = true;
    w_.show_step_button();
}

void QuantityMode::begun() {
    if (topic().answer) w_.Button7->show();
    w_.after_step();
}

void QuantityMode::rekenstap() {
    if (!started_) return;
    w_.hide_answer();
    w_.Button7->hide();
    w_.Button1->hide();
    base_.rekenstap();
    w_.after_step();
}

const StepWorker* QuantityMode::worker() const {
    return started_ ? &base_ : nullptr;
}

void QuantityMode::closing() {
    hide_explanation_window();
}

void QuantityMode::explain(bool show) {
    if (!show) {
        hide_explanation_window();
        return;
    }
    if (!w_.isVisible() || !w_.hint_check->isChecked()) return;
    if (explanation_window_visible() && explanation_window()->shown_topic() == topic().code) {
        explanation_window()->raise();
        return;
    }
    explanation_window()->show_for(&w_, [] { return QVariantMap{}; });
    // The keys stay with the exercise.
    w_.activateWindow();
}

// --- speed ---

SpeedMode::SpeedMode(TGehele_getallen_Form& window)
    : QuantityMode(window, kSpeed, worker_), worker_(window) {}

void SpeedMode::new_exercise() {
    start(random_speed_exercise());
}

void SpeedMode::start(const SpeedExercise& e) {
    begin();
    worker_.start(e);
    begun();
}

QString SpeedMode::answer() const {
    return started_ ? worker_.answer() : QString();
}

// --- pressure ---

PressureMode::PressureMode(TGehele_getallen_Form& window)
    : QuantityMode(window, kPressure, worker_), worker_(window) {
    CheckBox1 = new QCheckBox(QStringLiteral("n µ M G T"), &window);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(window.CheckBox5->geometry().adjusted(0, 0, 60, 0));
    CheckBox1->hide();
    QObject::connect(CheckBox1, &QCheckBox::clicked, &window, [&window] { window.option_click(); });
}

void PressureMode::showing() {
    QuantityMode::showing();
    msg_param1 = QStringLiteral("nano-, micro-, mega-, giga-, tera-");
    CheckBox1->setToolTip(msg(quantity_messages::kExtendedPrefixesHint));
    CheckBox1->show();
}

void PressureMode::closing() {
    QuantityMode::closing();
    CheckBox1->hide();
}

void PressureMode::new_exercise() {
    start(random_pressure_exercise(CheckBox1->isChecked()));
}

void PressureMode::start(const PressureExercise& e) {
    begin();
    worker_.start(e);
    begun();
}

// --- concentration ---

ConcentrationMode::ConcentrationMode(TGehele_getallen_Form& window)
    : QuantityMode(window, kConcentration, worker_), worker_(window) {}

void ConcentrationMode::new_exercise() {
    start(random_concentration_exercise());
}

void ConcentrationMode::start(const ConcentrationExercise& e) {
    begin();
    worker_.start(e);
    begun();
}

// --- scale ---

ScaleMode::ScaleMode(TGehele_getallen_Form& window)
    : QuantityMode(window, kScale, worker_), worker_(window) {}

void ScaleMode::new_exercise() {
    start(random_scale_exercise());
}

void ScaleMode::start(const ScaleExercise& e) {
    begin();
    worker_.start(e);
    begun();
}

}  // namespace cifrala
