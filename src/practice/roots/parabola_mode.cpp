#include "practice/roots/parabola_mode.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "drawing/explanation/tekening_form.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/own_exercise_fields.h"
#include "practice/roots/function_writing.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_function_texts.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"
#include "util/format.h"
#include "util/selection.h"

namespace cifrala {

using namespace parabola_messages;
using namespace roots_function_tags;

namespace {

constexpr int kTopic = 56;
constexpr int kPauseBeforeCard = 1000;
// The card of the first step stands here on the screen.
constexpr QPoint kFirstStepCard{370, 220};
// The card of the axis of symmetry, beside the writing position.
constexpr QPoint kBesideWriting{30, 10};
// The other cards: at the upper right of the window, clear of the working.
constexpr int kCardRightMargin = 10;
constexpr int kCardTop = 40;
constexpr int kFirstGraphStep = 9;                       // the card with the graph
constexpr int kFirstGraphLow = 0, kFirstGraphHigh = 10;  // the engine's own range

// Calls `left` when the watched field loses the keyboard to another control
// of the window (not to a message box or another window).
class FocusWatcher : public QObject {
public:
    FocusWatcher(QObject* parent, std::function<void(QLineEdit*)> left)
        : QObject(parent), left_(std::move(left)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                reason == Qt::MouseFocusReason)
                left_(static_cast<QLineEdit*>(watched));
        }
        return false;
    }

private:
    std::function<void(QLineEdit*)> left_;
};

void raise_explanation_window() {
    if (explanation_window_visible()) explanation_window()->raise();
}

}  // namespace

ParabolaMode::ParabolaMode(TwortelsherleidenForm& window)
    : RootsTopicMode(window, {kTitle, kParabolaHelp}) {
    create_method_group();
    create_own_function_panel();
    create_question_marks();
    worker_.x_axis_chosen = [this] {
        return GroupBox3->isVisibleTo(&w_) && RadioButton7->isChecked();
    };
    worker_.question_marks = [this](bool shown) { show_question_marks(shown); };
    worker_.step_done = [this] { after_step(); };
}

// --- controls ---

void ParabolaMode::create_method_group() {
    GroupBox3 = new QGroupBox(QStringLiteral("Methode"), &w_);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* row = new QHBoxLayout(GroupBox3);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(2);
    RadioButton6 = new QRadioButton(QStringLiteral("Snijpunt Y-as"), GroupBox3);
    RadioButton6->setObjectName(QStringLiteral("RadioButton6"));
    RadioButton7 = new QRadioButton(QStringLiteral("Snijpunten X-as"), GroupBox3);
    RadioButton7->setObjectName(QStringLiteral("RadioButton7"));
    for (QRadioButton* r : {RadioButton6, RadioButton7}) {
        // Both captions fit the room of the factoring group they replace.
        r->setFont(make_font(QStringLiteral("Verdana"), 8, false));
        row->addWidget(r);
        w_.add_option_control(r);
    }
    RadioButton6->setChecked(true);
    w_.register_text(GroupBox3, TextKind::GroupBox, kMethodGroup);
    w_.register_text(RadioButton6, TextKind::RadioButton, kYAxisMethod);
    w_.register_text(RadioButton7, TextKind::RadioButton, kXAxisMethod);
    GroupBox3->hide();
    w_.add_mode_control(GroupBox3);
}

void ParabolaMode::create_own_function_panel() {
    Panel3 = w_.add_floating_panel(QStringLiteral("Panel3"));
    // Below the first card, which stands at the upper right.
    Panel3->setGeometry(w_.Image1->x() + 560, w_.Image1->y() + 300, 440, 96);
    Label5 = make_label(Panel3, QStringLiteral("Label5"), QStringLiteral("Eigen opgave"), 10);
    Label5->setGeometry(8, 4, 300, 20);
    w_.register_text(Label5, TextKind::Label, kOwnFunction);
    const QFont font = make_font(QStringLiteral("Verdana"), 12, false);
    int x = 8;
    const auto text = [&](const QString& name, const QString& t, int width) {
        QLabel* l = make_label(Panel3, name, t, 12);
        l->setWordWrap(false);
        l->setGeometry(x, 34, width, 26);
        x += width;
        return l;
    };
    const auto edit = [&](const QString& name) {
        auto* e = new QLineEdit(Panel3);
        e->setObjectName(name);
        e->setFont(font);
        e->setAlignment(Qt::AlignCenter);
        e->setGeometry(x, 32, 56, 28);
        x += 60;
        return e;
    };
    text(QStringLiteral("Label6"), QStringLiteral("y ="), 36);
    Edit1 = edit(QStringLiteral("Edit1"));
    text(QStringLiteral("Label7"), QStringLiteral("x² +"), 42);
    Edit2 = edit(QStringLiteral("Edit2"));
    text(QStringLiteral("Label8"), QStringLiteral("x +"), 34);
    Edit3 = edit(QStringLiteral("Edit3"));
    SpeedButton13 = make_text_button(Panel3, QStringLiteral("SpeedButton13"), QStringLiteral("OK"));
    SpeedButton13->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    SpeedButton13->setGeometry(x + 4, 32, 56, 28);
    w_.register_text(SpeedButton13, TextKind::SpeedButtonWithHint, kOwnFunctionGo, true);
    SpeedButton13->setEnabled(false);
    QObject::connect(SpeedButton13, &QToolButton::clicked, Panel3,
                     [this] { SpeedButton13Click(); });
    auto* watcher = new FocusWatcher(Panel3, [this](QLineEdit* f) { field_left(f); });
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        QObject::connect(e, &QLineEdit::textChanged, Panel3, [this] { validate_own_fields(); });
        QObject::connect(e, &QLineEdit::returnPressed, Panel3, [this] { SpeedButton13Click(); });
        e->installEventFilter(watcher);
    }
    Panel3->hide();
    w_.add_mode_control(Panel3);
}

void ParabolaMode::create_question_marks() {
    for (int k = 0; k < 6; ++k) {
        auto* b = make_text_button(w_.Image1, QStringLiteral("SpeedButton%1").arg(6 + k),
                                   QStringLiteral("?"));
        b->setFont(make_font(QStringLiteral("Verdana"), 14, true));
        b->setFixedSize(30, 30);
        w_.register_text(b, TextKind::HintOnly, kRevealButton, true);
        QObject::connect(b, &QToolButton::clicked, b, [this, k] { question_mark_click(k); });
        b->hide();
        w_.add_mode_control(b);
        value_buttons[static_cast<size_t>(k)] = b;
    }
}

void ParabolaMode::set_question_mark(int k, int state) {
    state_[static_cast<size_t>(k)] = state;
    QToolButton* b = value_buttons[static_cast<size_t>(k)];
    b->setStyleSheet(state == 2 ? QStringLiteral("color: red;") : QStringLiteral("color: blue;"));
    if (state == 0) {
        b->hide();
        return;
    }
    b->move(worker_.button_place(k));
    b->show();
    b->raise();
}

void ParabolaMode::show_question_marks(bool shown) {
    revealing_ = -1;
    for (int k = 0; k < 6; ++k)
        set_question_mark(k, shown && !worker_.written[static_cast<size_t>(k)] ? 1 : 0);
}

// --- the mode ---

void ParabolaMode::set_up() {
    selection.topic_code = kTopic;
    w_.set_frame(RootsFrame{kRootsFullWorksheet, false});
    GroupBox3->setGeometry(w_.GroupBox2->geometry());
    state_.fill(0);
    revealing_ = -1;
    card_open_ = false;
    worker_.finished = true;
    worker_.step = -1;
    w_.side_card = RootsCard{kTopic, [this] { return card_values(); }};
}

void ParabolaMode::new_exercise() {
    begin(generate_parabola(w_.level()));
    show_own_function_panel();
}

void ParabolaMode::begin(const ParabolaExercise& e) {
    if (e.a == 0) return;  // no parabola: the own function refuses it before this
    w_.sequence().cancel();
    for (int k = 0; k < 6; ++k)
        set_question_mark(k, 0);
    revealing_ = -1;
    worker_.start(e);
    GroupBox3->setVisible(e.whole_roots);
    w_.show_step_button();
    card_open_ = true;
    w_.Button1->setFocus();
    StepSequence& seq = w_.sequence();
    seq.pause(kPauseBeforeCard);
    seq.then([this] { show_card(); });
    seq.run();
}

void ParabolaMode::rekenstap() {
    if (!w_.sequence().idle() || worker_.finished) return;
    w_.Button1->hide();
    Panel3->hide();
    w_.Button2->setFocus();
    worker_.rekenstap();
    // The method is read at the first step.
    GroupBox3->hide();
    if (w_.Button1->isVisibleTo(&w_)) w_.Button1->setFocus();
    raise_explanation_window();
}

void ParabolaMode::after_step() {
    show_card();
}

// --- the own function ---

void ParabolaMode::show_own_function_panel() {
    for (QLineEdit* e : {Edit1, Edit2, Edit3})
        e->clear();
    SpeedButton13->setEnabled(false);
    Panel3->show();
    Panel3->raise();
}

bool ParabolaMode::own_fields_valid() const {
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        int v = 0;
        if (e->text().trimmed().isEmpty() || !OwnExerciseFields::read_int(e, v)) return false;
    }
    return true;
}

void ParabolaMode::validate_own_fields() {
    SpeedButton13->setEnabled(own_fields_valid());
}

bool ParabolaMode::field_left(QLineEdit* field) {
    if (leaving_ || !Panel3->isVisibleTo(&w_)) return true;
    const QString t = field->text().trimmed();
    int v = 0;
    int message = 0;
    if (t == QLatin1String("-")) {
        message = kLoneMinus;
    } else if (!t.isEmpty() && !OwnExerciseFields::read_int(field, v)) {
        message = kNotWhole;
    }
    if (message == 0) return true;
    leaving_ = true;
    show_message(msg(message));
    field->setFocus();
    leaving_ = false;
    return false;
}

void ParabolaMode::SpeedButton13Click() {
    if (!own_fields_valid()) return;
    int a = 0, b = 0, c = 0;
    OwnExerciseFields::read_int(Edit1, a);
    OwnExerciseFields::read_int(Edit2, b);
    OwnExerciseFields::read_int(Edit3, c);
    QString reason;
    switch (check_own_parabola(a, b, c)) {
        case OwnParabolaFault::None:
            break;
        case OwnParabolaFault::ZeroA:
            reason = msg(kZeroA);
            break;
        case OwnParabolaFault::TooLarge:
            msg_param1 = int_to_text(static_cast<int>(kLargestTableValue));
            reason = msg(kTooLarge);
            break;
        case OwnParabolaFault::BothZero:
            reason = msg(kBothZero);
            break;
        case OwnParabolaFault::NotDivisible:
            reason = int_to_text(b) + QStringLiteral(" ") + msg(kNotDivisible) +
                     QStringLiteral(" ") + int_to_text(a);
            break;
    }
    if (!reason.isEmpty()) {
        show_message(msg(kRefused) + QStringLiteral("\n") + reason);
        SpeedButton13->setEnabled(false);
        return;
    }
    ParabolaExercise e{a, b, c};
    find_whole_roots(e);
    Panel3->hide();
    begin(e);
    raise_help();
}

// --- the question marks ---

void ParabolaMode::question_mark_click(int k) {
    if (k < 0 || k >= 6) return;
    const int state = state_[static_cast<size_t>(k)];
    if (state == 1) {
        // Another value shown in red goes back to blue.
        if (revealing_ >= 0 && revealing_ != k) set_question_mark(revealing_, 1);
        revealing_ = k;
        set_question_mark(k, 2);
    } else if (state == 2) {
        worker_.write_value(k);
        set_question_mark(k, 0);
        revealing_ = -1;
    } else {
        return;
    }
    show_card();
    w_.option_click();
}

// --- the explanation window ---

void ParabolaMode::show_card() {
    selection.topic_code = kTopic;
    if (!w_.isVisible() || !card_open_) return;
    // The explaining cards follow the menu's "Toon theorievensters"; the
    // graph (from the x row of the table on) and the points the question
    // marks pick are the exercise's own result and always come.
    if (!program_options.show_theory_windows && revealing_ < 0 &&
        worker_.performed < kFirstGraphStep)
        return;
    explanation_window()->show_for(&w_, [this] { return card_values(); });
}

QVariantMap ParabolaMode::card_values() const {
    const ParabolaExercise& e = worker_.exercise;
    const ParabolaWorker& k = worker_;
    QVariantMap v{{QStringLiteral("a"), e.a},
                  {QStringLiteral("b"), e.b},
                  {QStringLiteral("c"), e.c},
                  {QStringLiteral("step"), k.performed},
                  {QStringLiteral("x_axis"), k.x_axis},
                  {QStringLiteral("x_top_num"), k.vertex.negative ? -k.vertex.num : k.vertex.num},
                  {QStringLiteral("x_top_den"), k.vertex.den}};
    if (revealing_ >= 0)
        v.insert(QStringLiteral("reveal_x"), k.xs[static_cast<size_t>(revealing_)]);
    double lo = kFirstGraphLow, hi = kFirstGraphHigh;
    if (k.range_of_table) {
        lo = table_start(k.vertex) - 1;
        hi = table_range_end(k.vertex);
    }
    v.insert(QStringLiteral("x_min"), lo);
    v.insert(QStringLiteral("x_max"), hi);
    // Where the window goes on the screen.
    const int step = k.performed;
    QPoint at;
    bool left_top = false;
    if (revealing_ < 0 && step == 1) {
        at = kFirstStepCard;
        left_top = true;
    } else if (revealing_ < 0 && step == 5 && !k.x_axis) {
        const Surface& s = w_.surface();
        at = w_.Image1->mapToGlobal(QPoint(s.cursor.x, s.cursor.y)) + kBesideWriting;
        left_top = true;
    } else {
        at = w_.mapToGlobal(QPoint(w_.width() - kCardRightMargin, kCardTop));
    }
    v.insert(left_top ? QStringLiteral("left") : QStringLiteral("right"), at.x());
    v.insert(QStringLiteral("top"), at.y());
    return v;
}

}  // namespace cifrala
