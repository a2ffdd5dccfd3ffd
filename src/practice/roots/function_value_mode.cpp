#include "practice/roots/function_value_mode.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "drawing/explanation/tekening_form.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_function_texts.h"
#include "util/selection.h"

namespace cifrala {

using namespace roots_function_tags;

namespace {

constexpr int kTopic = 57;
// The card of step 1 stands left of and below the writing position, that of
// step 2 beside the working; the others at the upper right of the window.
constexpr QPoint kFirstStepCard{-200, 70};
constexpr QPoint kSecondStepCard{560, -150};
constexpr int kCardRightMargin = 10;
constexpr int kCardTop = 40;

void raise_explanation_window() {
    if (explanation_window_visible()) explanation_window()->raise();
}

void put(QVariantMap& v, const QString& name, const Rational& r) {
    v.insert(name + QStringLiteral("_n"), r.n);
    v.insert(name + QStringLiteral("_d"), r.d);
}

}  // namespace

FunctionValueMode::FunctionValueMode(TwortelsherleidenForm& window)
    : RootsTopicMode(window, {function_value_messages::kTitle, kFunctionValueHelp}) {
    Panel4 = w_.add_floating_panel(QStringLiteral("Panel4"));
    Panel4->setGeometry(w_.Image1->x() + 690, w_.Image1->y() + 300, 300, 250);
    GroupBox4 = choice_group(QStringLiteral("GroupBox4"), QStringLiteral("In te vullen waarde"),
                             kValueGroup, 8, value_buttons, "Eventueel breuk");
    GroupBox4->setGeometry(8, 24, 284, 104);
    GroupBox5 = choice_group(QStringLiteral("GroupBox5"), QStringLiteral("Coëfficiënten"),
                             kCoefficientGroup, 11, coefficient_buttons, "Eventueel een breuk");
    GroupBox5->setGeometry(8, 136, 284, 104);
    Panel4->hide();
    w_.add_mode_control(Panel4);
    worker_.step_done = [this] { show_card(); };
    worker_.ended = [this] { show_options(); };
}

QGroupBox* FunctionValueMode::choice_group(const QString& name, const QString& caption, int tag,
                                           int first_button, QRadioButton** buttons,
                                           const char* fraction_caption) {
    auto* g = new QGroupBox(caption, Panel4);
    g->setObjectName(name);
    auto* column = new QVBoxLayout(g);
    column->setContentsMargins(6, 2, 4, 4);
    column->setSpacing(1);
    const QString captions[3] = {QStringLiteral("Geheel, niet negatief"),
                                 QStringLiteral("Geheel, eventueel negatief"),
                                 QString::fromUtf8(fraction_caption)};
    const int tags[3] = {kWholeNotNegative, kWholeMaybeNegative, kMaybeFraction};
    for (int k = 0; k < 3; ++k) {
        auto* r = new QRadioButton(captions[k], g);
        r->setObjectName(QStringLiteral("RadioButton%1").arg(first_button + k));
        column->addWidget(r);
        w_.add_option_control(r);
        w_.register_text(r, TextKind::RadioButton, tags[k]);
        buttons[k] = r;
    }
    buttons[0]->setChecked(true);
    w_.register_text(g, TextKind::GroupBox, tag);
    return g;
}

void FunctionValueMode::set_up() {
    selection.topic_code = kTopic;
    w_.set_frame(RootsFrame{kRootsFullWorksheet, false});
    card_open_ = false;
    worker_.finished = true;
    worker_.step = -1;
    w_.side_card = RootsCard{kTopic, [this] { return card_values(); }};
    show_options();
}

void FunctionValueMode::show_options() {
    Panel4->show();
    Panel4->raise();
}

static NumberKind chosen(QRadioButton* const* buttons) {
    for (int k = 0; k < 3; ++k)
        if (buttons[k]->isChecked()) return static_cast<NumberKind>(k);
    return NumberKind::WholeNotNegative;
}

NumberKind FunctionValueMode::value_choice() const {
    return chosen(value_buttons);
}

NumberKind FunctionValueMode::coefficient_choice() const {
    return chosen(coefficient_buttons);
}

void FunctionValueMode::set_choices(NumberKind value, NumberKind coefficients) {
    value_buttons[static_cast<int>(value)]->setChecked(true);
    coefficient_buttons[static_cast<int>(coefficients)]->setChecked(true);
}

void FunctionValueMode::new_exercise() {
    begin(generate_function_value(w_.level(), value_choice(), coefficient_choice()));
}

void FunctionValueMode::begin(const FunctionValueExercise& e) {
    w_.sequence().cancel();
    Panel4->hide();
    worker_.start(e);
    w_.show_step_button();
    card_open_ = true;
    show_card();
    w_.Button1->setFocus();
}

void FunctionValueMode::rekenstap() {
    if (!w_.sequence().idle() || worker_.finished) return;
    w_.Button1->hide();
    w_.Button2->setFocus();
    worker_.rekenstap();
    if (w_.Button1->isVisibleTo(&w_)) w_.Button1->setFocus();
    raise_explanation_window();
}

void FunctionValueMode::show_card() {
    selection.topic_code = kTopic;
    // The cards explain; the menu's "Toon theorievensters" decides.
    if (!w_.isVisible() || !card_open_ || !program_options.show_theory_windows) return;
    explanation_window()->show_for(&w_, [this] { return card_values(); });
}

QVariantMap FunctionValueMode::card_values() const {
    const FunctionValueExercise& e = worker_.exercise;
    QVariantMap v{{QStringLiteral("step"), worker_.performed}};
    put(v, QStringLiteral("a"), e.a);
    put(v, QStringLiteral("b"), e.b);
    put(v, QStringLiteral("c"), e.c);
    put(v, QStringLiteral("x"), e.x);
    const int step = worker_.performed;
    const Surface& s = w_.surface();
    const QPoint writing = w_.Image1->mapToGlobal(QPoint(s.cursor.x, s.cursor.y));
    QPoint at;
    bool left_top = true;
    if (step == 1) {
        at = writing + kFirstStepCard;
    } else if (step == 2) {
        at = QPoint(w_.Image1->mapToGlobal(QPoint(0, 0)).x(), writing.y()) + kSecondStepCard;
    } else {
        at = w_.mapToGlobal(QPoint(w_.width() - kCardRightMargin, kCardTop));
        left_top = false;
    }
    v.insert(left_top ? QStringLiteral("left") : QStringLiteral("right"), at.x());
    v.insert(QStringLiteral("top"), std::max(0, at.y()));
    return v;
}

}  // namespace cifrala
