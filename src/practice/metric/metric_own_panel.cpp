// The own-exercise panel of the metric window: "Van" and "Naar" with a
// button per unit, the unit names between them, and "Waarde" with the go
// button, which stays disabled, with the reason beside it, while the typed
// value cannot be used.
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "formula/font_map.h"
#include "practice/common/floating_panel.h"
#include "practice/metric/metric_exercise.h"
#include "practice/metric/metric_form.h"
#include "practice/metric/metric_texts.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"

namespace cifrala {

namespace {

constexpr QRect kPanel{116, 500, 785, 170};
constexpr int kColumnX = 100;     // the first unit button
constexpr int kColumnStep = 100;  // between the unit buttons
constexpr QRect kNames{82, 34, 690, 44};

QLabel* panel_label(QWidget* parent, const QString& name, const QString& text, int points,
                    bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(make_font(QStringLiteral("Verdana"), points, bold));
    return l;
}

}  // namespace

void TMetrieke_stelsel_Form::create_own_exercise_panel() {
    Panel6 = add_floating_panel(QStringLiteral("Panel6"));
    Panel6->setGeometry(kPanel);

    QLabel* from = panel_label(Panel6, QStringLiteral("Label3"), QStringLiteral("Van"), 10, true);
    from->setGeometry(10, 10, 80, 20);
    register_text(from, TextKind::Label, metric_tags::kFrom);
    QLabel* to = panel_label(Panel6, QStringLiteral("Label4"), QStringLiteral("Naar"), 10, true);
    to->setGeometry(10, 84, 80, 20);
    register_text(to, TextKind::Label, metric_tags::kTo);
    QLabel* value =
        panel_label(Panel6, QStringLiteral("Label5"), QStringLiteral("Waarde"), 10, true);
    value->setGeometry(10, 128, 80, 20);
    register_text(value, TextKind::Label, metric_tags::kValue);

    from_group_ = new QButtonGroup(this);
    to_group_ = new QButtonGroup(this);
    for (int i = 0; i < 7; ++i) {
        auto* f = new QRadioButton(Panel6);
        f->setObjectName(QStringLiteral("RadioButton%1").arg(5 + i));
        f->setGeometry(kColumnX + i * kColumnStep, 10, 20, 20);
        auto* t = new QRadioButton(Panel6);
        t->setObjectName(QStringLiteral("RadioButton%1").arg(12 + i));
        t->setGeometry(kColumnX + i * kColumnStep, 84, 20, 20);
        from_group_->addButton(f, i);
        to_group_->addButton(t, i);
        for (QRadioButton* r : {f, t}) {
            r->setFocusPolicy(Qt::TabFocus);
            add_shared_keys(r);
        }
        from_buttons[static_cast<size_t>(i)] = f;
        to_buttons[static_cast<size_t>(i)] = t;
    }
    from_buttons[0]->setChecked(true);
    to_buttons[1]->setChecked(true);

    // The names: each a little to the left of its buttons, so that the
    // button stands over its middle; the rows of powers at the top.
    Panel7 = new QFrame(Panel6);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(kNames);
    Panel9 = new QFrame(Panel6);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(kNames);
    for (int i = 0; i < 7; ++i) {
        const QString prefix = unit_prefix(i);
        const int x = i * kColumnStep;
        QLabel* length = panel_label(Panel7, QStringLiteral("LengthName%1").arg(i),
                                     prefix + QStringLiteral("m"), 16);
        length->adjustSize();
        length->move(x + 28 - length->width() / 2, 12);
        QLabel* weight = panel_label(Panel9, QStringLiteral("WeightName%1").arg(i),
                                     prefix + QStringLiteral("g"), 16);
        weight->adjustSize();
        weight->move(x + 28 - weight->width() / 2, 12);
        QLabel* square =
            panel_label(Panel7, QStringLiteral("AreaPower%1").arg(i), QStringLiteral("2"), 9);
        QLabel* cube =
            panel_label(Panel7, QStringLiteral("VolumePower%1").arg(i), QStringLiteral("3"), 9);
        for (QLabel* p : {square, cube}) {
            p->adjustSize();
            p->move(length->x() + length->width(), 4);
        }
        length_names_[static_cast<size_t>(i)] = length;
        area_powers_[static_cast<size_t>(i)] = square;
        volume_powers_[static_cast<size_t>(i)] = cube;
    }

    Edit1 = new QLineEdit(Panel6);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(make_font(QStringLiteral("Verdana"), 12, false));
    Edit1->setGeometry(kColumnX, 122, 200, 30);
    register_text(Edit1, TextKind::Edit, metric_tags::kValueField, true);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { validate_own_value(); });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (SpeedButton5->isEnabled()) SpeedButton5Click();
    });
    add_shared_keys(Edit1);

    SpeedButton5 =
        make_text_button(Panel6, QStringLiteral("SpeedButton5"), QStringLiteral("Maak de opgave"));
    SpeedButton5->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    SpeedButton5->setGeometry(kColumnX + 210, 122, 150, 30);
    register_text(SpeedButton5, TextKind::SpeedButtonWithHint, metric_tags::kOwnGo, true);
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });

    Label6 = panel_label(Panel6, QStringLiteral("Label6"), QString(), 9);
    Label6->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label6->setGeometry(kColumnX + 368, 114, 306, 50);
    // A new language gives the reason in that language.
    add_language_listener(this, [this] { validate_own_value(); });
    validate_own_value();
}

void TMetrieke_stelsel_Form::eigen_opgave_panel_update() {
    const Quantity q = quantity();
    Panel9->setVisible(q == Quantity::Weight);
    Panel7->setVisible(q != Quantity::Weight);
    for (size_t i = 0; i < area_powers_.size(); ++i) {
        area_powers_[i]->setVisible(q == Quantity::Area);
        volume_powers_[i]->setVisible(q == Quantity::Volume);
    }
}

void TMetrieke_stelsel_Form::open_own_exercise_panel() {
    {
        const QSignalBlocker block(Edit1);
        Edit1->clear();
    }
    validate_own_value();
    eigen_opgave_panel_update();
    Panel6->show();
    Panel6->raise();
    Edit1->setFocus();
}

void TMetrieke_stelsel_Form::SpeedButton4Click() {
    open_own_exercise_panel();
    raise_help();
}

void TMetrieke_stelsel_Form::validate_own_value() {
    own_refusal_ = read_own_value(Edit1->text()).refusal;
    SpeedButton5->setEnabled(own_refusal_ == 0);
    const bool refused = own_refusal_ > 0;
    Label6->setText(own_refusal_text(own_refusal_, Edit1->text()));
    Edit1->setStyleSheet(refused ? QStringLiteral("QLineEdit { background: #ffd0d0; }")
                                 : QString());
}

int TMetrieke_stelsel_Form::checked_column(const std::array<QRadioButton*, 7>& buttons) const {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

void TMetrieke_stelsel_Form::SpeedButton5Click() {
    const OwnValue value = read_own_value(Edit1->text());
    if (value.refusal != 0) return;
    MetricExercise e;
    e.quantity = quantity();
    // Own volumes always convert cubic metres into cubic metres.
    e.volume_kind = VolumeKind::Cubic;
    e.mantissa = value.mantissa;
    e.exponent = value.exponent;
    e.from = checked_column(from_buttons);
    e.to = checked_column(to_buttons);
    e.own = true;
    if (e.from == e.to) {
        show_message(msg(metric_messages::kSameUnits));
        open_own_exercise_panel();
        return;
    }
    put_worksheet_back();
    put_exercise(e);
    Button1->show();
    if (step_available()) Button2->setFocus();
    raise_help();
}

}  // namespace cifrala
