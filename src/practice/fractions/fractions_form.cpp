#include "practice/fractions/fractions_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/glyphs.h"
#include "practice/fractions/fractions_explain.h"
#include "practice/fractions/fractions_style.h"
#include "text/help.h"
#include "text/messages.h"
#include "util/integer_math.h"
#include "util/selection.h"

namespace cifrala {

using namespace fraction_kind;

namespace {

// Text numbers of the window's own controls.
constexpr int kTitleTag = 2445;
constexpr int kTypeGroupTag = 2449;
constexpr int kKindListTag = 2446;  // entries 2446 .. 2448, six items
constexpr int kCommonDenominatorTag = 2292;
constexpr int kCrossCancelTag = 2293;
constexpr int kPreviousTag = 2450;
constexpr int kGoTag = 2451;
// The own-exercise panel, and its height while it offers only its button.
constexpr int kOwnPanelWidth = 364, kOwnPanelHeight = 250, kOfferHeight = 40;
constexpr int kWholeHintTag = 391;
constexpr int kNumeratorHintTag = 392;
constexpr int kDenominatorHintTag = 393;
constexpr int kWholeLabelTag = 1376;
constexpr int kHelpPage = 696;

PracticeWindowConfig fractions_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::Fractions;
    c.class_name = QStringLiteral("TbreukenoefenenForm");
    c.title = QStringLiteral("Breuken");
    c.surface_style = breuken_surface_style();
    c.cover_distance = 80;
    return c;
}

QLineEdit* make_edit(QWidget* parent, const QString& name, QRect geometry) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(make_font(QStringLiteral("Verdana"), 12, false));
    e->setAlignment(Qt::AlignCenter);
    e->setGeometry(geometry);
    return e;
}

QFrame* plain_panel(QWidget* parent, const QString& name, const QColor& colour) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, colour);
    f->setPalette(p);
    return f;
}

void fraction_bar(QWidget* parent, int x, int y, int w) {
    auto* bar = new QFrame(parent);
    bar->setFrameShape(QFrame::HLine);
    bar->setLineWidth(2);
    bar->setGeometry(x, y, w, 3);
}

QString operator_symbol(QChar digit) {
    switch (digit.unicode()) {
        case '2':
            return QStringLiteral("-");
        case '3':
            return QStringLiteral("×");
        case '4':
            return QStringLiteral(":");
        default:
            return QStringLiteral("+");
    }
}

}  // namespace

TbreukenoefenenForm::TbreukenoefenenForm(QWidget* parent)
    : PracticeWindow(fractions_config(), parent), worker_(*this) {
    create_selectors();
    create_explanation_panels();
    create_own_exercise_panel();
    fill_calibration_table();
    map_roles();
    add_mode(QStringLiteral("fractions"), kAnyCode, kAnyCode,
             make_mode({{TextKind::Window, kTitleTag},
                        kHelpPage,
                        false,
                        {},
                        [this] { new_exercise(); },
                        [this] { worker_.rekenstap(); },
                        [this] { return &worker_; }}));
    Button2->hide();
}

void TbreukenoefenenForm::map_roles() {
    set_role(ControlRole::Explain, SpeedButton4);
    set_role(ControlRole::ExplainSecond, SpeedButton5);
    set_role(ControlRole::ExplainPanel, Panel1);
    set_role(ControlRole::ExplainPanelSecond, Panel3);
    set_role(ControlRole::OwnExercise, Panel4, [this](bool visible) {
        if (visible) {
            show_own_exercise_offer();
        } else {
            Panel4->hide();
        }
    });
}

TbreukenoefenenForm::~TbreukenoefenenForm() = default;

void TbreukenoefenenForm::create_selectors() {
    const int top = Button1->y();
    GroupBox3 = new QGroupBox(QStringLiteral("Type"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(380, top, 140, 36);
    ComboBox1 = new QComboBox(GroupBox3);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("1   +"), QStringLiteral("2   +  –"),
                         QStringLiteral("3   x"), QStringLiteral("4   /"),
                         QStringLiteral("5   Door elkaar"), QStringLiteral("6   Vereenvoudigen")});
    // As wide as its longest item (the Dutch ones are the longest).
    int widest = 0;
    for (int i = 0; i < ComboBox1->count(); ++i)
        widest =
            std::max(widest, ComboBox1->fontMetrics().horizontalAdvance(ComboBox1->itemText(i)));
    const int combo_width = std::max(132, widest + 40);
    GroupBox3->resize(combo_width + 8, 36);
    ComboBox1->setGeometry(4, 13, combo_width, 21);
    level_group->setGeometry(
        GroupBox3->geometry().right() + 4, level_group->y(),
        std::min(level_group->width(), help_button->x() - 4 - GroupBox3->geometry().right() - 4),
        level_group->height());
    add_shared_keys(ComboBox1);
    connect(ComboBox1, &QComboBox::activated, this, [this] { option_click(); });
    register_text(GroupBox3, TextKind::GroupBox, kTypeGroupTag);
    register_combo(TranslatedWindow::Fractions, ComboBox1, kKindListTag, 6, [](QStringList& items) {
        if (items.size() > 1) items[1] += QStringLiteral(" –");
    });

    SpeedButton8 = new QToolButton(this);
    SpeedButton8->setObjectName(QStringLiteral("SpeedButton8"));
    SpeedButton8->setIcon(glyph_icon(Glyph::Previous));
    SpeedButton8->setIconSize(QSize(22, 22));
    SpeedButton8->setFocusPolicy(Qt::NoFocus);
    SpeedButton8->setGeometry(898, top + 1, 30, 30);
    SpeedButton8->hide();
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { SpeedButton8Click(); });
    register_text(SpeedButton8, TextKind::HintOnly, kPreviousTag, true);

    Panel6 = plain_panel(this, QStringLiteral("Panel6"), QColor(240, 240, 200));
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel6->setGeometry(288, top - 2, 512, 40);
    Panel6->hide();
}

void TbreukenoefenenForm::create_explanation_panels() {
    SpeedButton4 = make_text_button(this, QStringLiteral("SpeedButton4"), QStringLiteral("Hoe?"));
    SpeedButton4->setToolTip(QStringLiteral("Gelijknamig maken"));
    SpeedButton5 = make_text_button(this, QStringLiteral("SpeedButton5"), QStringLiteral("Hoe?"));
    SpeedButton5->setToolTip(QStringLiteral("Kruislings vereenvoudigen"));
    for (QToolButton* b : {SpeedButton4, SpeedButton5}) {
        b->setFont(make_font(QStringLiteral("Verdana"), 12, true));
        b->setGeometry(Image1->x() + 15, Image1->y() + 90, 100, 32);
        b->hide();
    }
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    register_text(SpeedButton4, TextKind::SpeedButtonWithHint, kCommonDenominatorTag);
    register_text(SpeedButton5, TextKind::SpeedButtonWithHint, kCrossCancelTag);

    Panel1 = add_floating_panel(QStringLiteral("Panel1"));
    const QRect s = Image1->geometry();
    Panel1->setGeometry(s.x() + s.width() - 4 - 380, s.y() + 40, 380, 450);
    Label1 = make_label(Panel1, QStringLiteral("Label1"), QString(), 12);
    Label1->setGeometry(8, 6, 340, 62);
    Label2 = make_label(Panel1, QStringLiteral("Label2"), QString(), 12);
    Label2->setGeometry(8, 70, 364, 22);
    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 96, 178, 280);
    ListBox2 = new QListWidget(Panel1);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(194, 96, 178, 280);
    for (QListWidget* l : {ListBox1, ListBox2}) {
        l->setFont(make_font(QStringLiteral("Verdana"), 11, false));
        l->setFocusPolicy(Qt::NoFocus);
    }
    Label3 = make_label(Panel1, QStringLiteral("Label3"), QString(), 12);
    Label3->setGeometry(8, 384, 364, 58);
    Label3->setFont(make_font(QStringLiteral("Verdana"), 11, true));
    Label3->setWordWrap(false);

    Panel3 = add_floating_panel(QStringLiteral("Panel3"));
    Panel3->setGeometry(s.x() + 150, 500, 600, 100);
    Panel3->set_hide_on_double_click(true);
    Label4 = make_label(Panel3, QStringLiteral("Label4"), QString(), 12);
    Label4->setGeometry(10, 10, 560, 38);
    Label5 = make_label(Panel3, QStringLiteral("Label5"), QString(), 12);
    Label5->setGeometry(10, 52, 560, 38);
}

void TbreukenoefenenForm::create_own_exercise_panel() {
    Panel4 = add_floating_panel(QStringLiteral("Panel4"));
    Panel4->setGeometry(640, 110, kOwnPanelWidth, kOwnPanelHeight);
    SpeedButton9 =
        make_text_button(Panel4, QStringLiteral("SpeedButton9"), QStringLiteral("Eigen opgave"));
    SpeedButton9->setFont(make_font(QStringLiteral("Verdana"), 11, true));
    SpeedButton9->setGeometry(8, 6, 160, 28);
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { SpeedButton9Click(); });
    register_text(SpeedButton9, TextKind::SpeedButton, practice_tags::kOwnExercise);

    create_fraction_fields();
    create_simplification_fields();

    Panel9 = plain_panel(Panel4, QStringLiteral("Panel9"), QColor(255, 255, 225));
    Panel9->setGeometry(Panel5->geometry());
    Panel9->raise();
}

void TbreukenoefenenForm::create_fraction_fields() {
    Panel5 = plain_panel(Panel4, QStringLiteral("Panel5"), QColor(255, 255, 225));
    Panel5->setGeometry(6, 40, 352, 204);
    Edit6 = make_edit(Panel5, QStringLiteral("Edit6"), QRect(6, 38, 44, 28));
    Edit1 = make_edit(Panel5, QStringLiteral("Edit1"), QRect(56, 18, 64, 28));
    fraction_bar(Panel5, 56, 49, 64);
    Edit3 = make_edit(Panel5, QStringLiteral("Edit3"), QRect(56, 55, 64, 28));
    Label6 = make_label(Panel5, QStringLiteral("Label6"), QString(), 16);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setGeometry(124, 36, 44, 30);
    Panel7 = plain_panel(Panel5, QStringLiteral("Panel7"), QColor(255, 255, 225));
    Panel7->setGeometry(124, 0, 46, 92);
    auto* ops = new QVBoxLayout(Panel7);
    ops->setContentsMargins(2, 0, 0, 0);
    ops->setSpacing(0);
    RadioButton4 = new QRadioButton(QStringLiteral("+"), Panel7);
    RadioButton5 = new QRadioButton(QStringLiteral("-"), Panel7);
    RadioButton6 = new QRadioButton(QStringLiteral("x"), Panel7);
    RadioButton7 = new QRadioButton(QStringLiteral(":"), Panel7);
    int n = 4;
    for (QRadioButton* r : {RadioButton4, RadioButton5, RadioButton6, RadioButton7}) {
        r->setObjectName(QStringLiteral("RadioButton%1").arg(n++));
        ops->addWidget(r);
    }
    RadioButton4->setChecked(true);
    Panel7->hide();
    Edit5 = make_edit(Panel5, QStringLiteral("Edit5"), QRect(174, 38, 44, 28));
    Edit2 = make_edit(Panel5, QStringLiteral("Edit2"), QRect(224, 18, 64, 28));
    fraction_bar(Panel5, 224, 49, 64);
    Edit4 = make_edit(Panel5, QStringLiteral("Edit4"), QRect(224, 55, 64, 28));
    int label = 9;
    for (QLineEdit* whole : {Edit6, Edit5}) {
        QLabel* l = make_label(Panel5, QStringLiteral("Label%1").arg(label++), QString(), 8);
        l->setWordWrap(false);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(whole->x() - 6, whole->y() - 18, whole->width() + 12, 16);
        register_text(l, TextKind::Label, kWholeLabelTag, true);
        register_text(whole, TextKind::Edit, kWholeHintTag, true);
    }
    for (QLineEdit* e : {Edit1, Edit2})
        register_text(e, TextKind::Edit, kNumeratorHintTag, true);
    for (QLineEdit* e : {Edit3, Edit4})
        register_text(e, TextKind::Edit, kDenominatorHintTag, true);

    SpeedButton10 = make_text_button(Panel5, QStringLiteral("SpeedButton10"), QString());
    SpeedButton10->setGeometry(6, 96, 160, 28);
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
    register_text(SpeedButton10, TextKind::SpeedButtonWithHint, kGoTag, true);
    Label7 = make_label(Panel5, QStringLiteral("Label7"), QString(), 10);
    Label7->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label7->setGeometry(6, 128, 340, 70);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraction_fields_ = new OwnExerciseFields(SpeedButton10, Label7, this);
    fraction_fields_->add_field(Edit6, false);
    fraction_fields_->add_field(Edit1, true);
    fraction_fields_->add_field(Edit3, true);
    fraction_fields_->add_field(Edit5, false);
    fraction_fields_->add_field(Edit2, true);
    fraction_fields_->add_field(Edit4, true);
    fraction_fields_->set_check(
        [this](bool complete) { return check_own_fraction_exercise(complete); });
    for (QRadioButton* r : {RadioButton4, RadioButton5, RadioButton6, RadioButton7})
        connect(r, &QRadioButton::toggled, fraction_fields_,
                [this] { fraction_fields_->validate(); });
    fraction_fields_->validate();
}

void TbreukenoefenenForm::create_simplification_fields() {
    Panel8 = plain_panel(Panel4, QStringLiteral("Panel8"), QColor(255, 255, 225));
    Panel8->setGeometry(Panel5->geometry());
    Edit7 = make_edit(Panel8, QStringLiteral("Edit7"), QRect(56, 18, 80, 28));
    fraction_bar(Panel8, 56, 49, 80);
    Edit8 = make_edit(Panel8, QStringLiteral("Edit8"), QRect(56, 55, 80, 28));
    register_text(Edit7, TextKind::Edit, kNumeratorHintTag, true);
    register_text(Edit8, TextKind::Edit, kDenominatorHintTag, true);
    SpeedButton11 = make_text_button(Panel8, QStringLiteral("SpeedButton11"), QString());
    SpeedButton11->setGeometry(6, 96, 160, 28);
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { SpeedButton11Click(); });
    register_text(SpeedButton11, TextKind::SpeedButtonWithHint, kGoTag, true);
    Label8 = make_label(Panel8, QStringLiteral("Label8"), QString(), 10);
    Label8->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label8->setGeometry(6, 128, 340, 70);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Panel8->hide();

    simplification_fields_ = new OwnExerciseFields(SpeedButton11, Label8, this);
    simplification_fields_->add_field(Edit7, true);
    simplification_fields_->add_field(Edit8, true);
    simplification_fields_->set_check(
        [this](bool complete) { return check_own_simplification(complete); });
    simplification_fields_->validate();
}

void TbreukenoefenenForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    for (QWidget* w :
         std::initializer_list<QWidget*>{Button1, Button2, Button3, level_group, GroupBox3})
        table.push_back({w, 40});
    table.push_back({help_button, 39});
    table.push_back({hint_check, 24});
    // The speed buttons of the same row and the selector cover go along.
    for (QWidget* w : std::initializer_list<QWidget*>{copy_button, save_button, SpeedButton8})
        table.push_back({w, 39});
    table.push_back({Panel6, 42});
    set_calibration_table(std::move(table));
}

// --- modes ---

void TbreukenoefenenForm::choose_kind_digit(QChar kind_digit) {
    for (int i = 0; i < ComboBox1->count(); ++i) {
        if (ComboBox1->itemText(i).startsWith(kind_digit)) {
            ComboBox1->setCurrentIndex(i);
            return;
        }
    }
}

QChar TbreukenoefenenForm::kind_digit() const {
    const QString t = ComboBox1->currentText();
    return t.isEmpty() ? QLatin1Char('1') : t.front();
}

void TbreukenoefenenForm::set_preset_kind(QChar kind_digit) {
    choose_kind_digit(kind_digit);
    Panel6->show();
    Panel6->raise();
    Panel9->show();
    Panel9->raise();
}

void TbreukenoefenenForm::set_free_mode() {
    Panel6->hide();
}

bool TbreukenoefenenForm::preset_mode() const {
    return Panel6->isVisibleTo(this);
}

// --- life cycle ---

void TbreukenoefenenForm::showing() {
    hide_floating_panels();
    hide_cover_sheet();
    help_button->setVisible(!preset_mode());
    // The button for the previous exercise returns only when this visit has
    // one (the menu clears the flag when it opens the window).
    SpeedButton8->setVisible(selection.previous_exercise_stored);
    new_exercise();
    Button1->show();
    show_own_exercise_offer();
}

// The menu opens this window in free mode only, so the own-exercise panel is
// offered in both modes; otherwise a pupil could never type an exercise here.
// While only the button is offered the panel is just high enough for it.
void TbreukenoefenenForm::show_own_exercise_offer() {
    Panel4->resize(kOwnPanelWidth, kOfferHeight);
    Panel4->show();
    Panel4->raise();
    Panel9->show();
    Panel9->raise();
}

void TbreukenoefenenForm::closing() {
    Panel7->hide();
}

void TbreukenoefenenForm::hide_explanations() {
    SpeedButton4->hide();
    SpeedButton5->hide();
    Panel1->hide();
    Panel3->hide();
    hide_cover_sheet();
}

void TbreukenoefenenForm::new_exercise() {
    hide_explanations();
    const int kind = choose_kind(kind_digit(), preset_mode());
    const FractionExercise e = generate_fraction_exercise(kind, level());
    if (selection.previous_exercise_stored) {
        backup_ = initial_;
        SpeedButton8->show();
    }
    initial_ = e;
    selection.previous_exercise_stored = true;
    begin(e);
}

void TbreukenoefenenForm::begin(const FractionExercise& e) {
    surface().clearimage();
    worker_.set_exercise(e);
    worker_.rekenstap();
    show_step_button();
    Panel4->hide();
}

// --- explanations ---

void TbreukenoefenenForm::SpeedButton4Click() {
    Panel4->hide();
    const CommonDenominatorExplanation e = explain_common_denominator(worker_.b1, worker_.b2);
    Label1->setText(e.label1);
    Label2->setText(e.label2);
    set_fitting_text(Label3, e.label3, 11);
    ListBox1->clear();
    ListBox1->addItems(e.multiples1);
    ListBox2->clear();
    ListBox2->addItems(e.multiples2);
    Panel1->show();
    Panel1->raise();
    option_click();
}

void TbreukenoefenenForm::SpeedButton5Click() {
    Panel4->hide();
    const CrossCancelExplanation e =
        explain_cross_cancel(worker_.a1, worker_.b1, worker_.a2, worker_.b2);
    Label4->setText(e.label4);
    Label4->setVisible(e.show4);
    Label5->setText(e.label5);
    Label5->setVisible(e.show5);
    Panel3->show();
    Panel3->raise();
    option_click();
}

// --- the previous exercise ---

void TbreukenoefenenForm::SpeedButton8Click() {
    if (!backup_) return;
    const FractionExercise e = *backup_;
    selection.previous_exercise_stored = false;
    SpeedButton8->hide();
    hide_explanations();
    begin(e);
    raise_help();
}

// --- own exercises ---

int TbreukenoefenenForm::own_kind() const {
    if (Panel7->isVisibleTo(Panel5)) {
        if (RadioButton5->isChecked()) return kSubtract;
        if (RadioButton6->isChecked()) return kMultiply;
        if (RadioButton7->isChecked()) return kDivide;
        return kAdd;
    }
    switch (kind_digit().unicode()) {
        case '2':
            return kSubtract;
        case '3':
            return kMultiply;
        case '4':
            return kDivide;
        default:
            return kAdd;
    }
}

void TbreukenoefenenForm::SpeedButton9Click() {
    fraction_fields_->clear_fields();
    simplification_fields_->clear_fields();
    Panel9->hide();
    const QChar digit = kind_digit();
    const bool simplify = digit == QLatin1Char('6');
    Panel8->setVisible(simplify);
    Panel5->setVisible(!simplify);
    Panel7->setVisible(digit == QLatin1Char('5'));
    Label6->setVisible(!Panel7->isVisibleTo(Panel5));
    Label6->setText(operator_symbol(digit));
    fraction_fields_->validate();
    Panel4->resize(kOwnPanelWidth, kOwnPanelHeight);
    Panel4->show();
    Panel4->raise();
    (simplify ? Edit7 : Edit6)->setFocus();
}

bool TbreukenoefenenForm::read_own_fraction_exercise(FractionExercise& e,
                                                     QLineEdit** too_large) const {
    int w1 = 0, n1 = 0, d1 = 0, w2 = 0, n2 = 0, d2 = 0;
    const bool read =
        OwnExerciseFields::read_int(Edit6, w1) && OwnExerciseFields::read_int(Edit1, n1) &&
        OwnExerciseFields::read_int(Edit3, d1) && OwnExerciseFields::read_int(Edit5, w2) &&
        OwnExerciseFields::read_int(Edit2, n2) && OwnExerciseFields::read_int(Edit4, d2);
    if (!read) return false;
    normalise_sign(n1, d1);
    normalise_sign(n2, d2);
    e.kind = own_kind();
    e.b1 = d1;
    e.b2 = d2;
    if (!mixed_to_numerator(w1, n1, d1, e.a1)) {
        if (too_large) *too_large = Edit6;
        return false;
    }
    if (!mixed_to_numerator(w2, n2, d2, e.a2)) {
        if (too_large) *too_large = Edit5;
        return false;
    }
    return true;
}

OwnExerciseFields::Refusal TbreukenoefenenForm::check_own_fraction_exercise(bool complete) const {
    // A denominator of 0 is refused as soon as it is typed.
    for (QLineEdit* d : {Edit3, Edit4}) {
        int v = 1;
        if (!d->text().trimmed().isEmpty() && OwnExerciseFields::read_int(d, v) && v == 0)
            return {d, own_refusal::kZeroDenominator};
    }
    if (!complete) return {};
    FractionExercise e;
    QLineEdit* too_large = nullptr;
    if (!read_own_fraction_exercise(e, &too_large))
        return {too_large ? too_large : Edit1, own_refusal::kTooLarge};
    const int refusal = own_exercise_refusal(e);
    switch (refusal) {
        case 0:
            return {};
        case own_refusal::kZeroDenominator:
            return {e.b1 == 0 ? Edit3 : Edit4, refusal};
        case own_refusal::kDivisionByZero:
            return {Edit2, refusal};
        default: {
            // Too large: the field with the longest number is the likely cause.
            QLineEdit* longest = Edit1;
            for (QLineEdit* f : {Edit6, Edit1, Edit3, Edit5, Edit2, Edit4})
                if (f->text().trimmed().size() > longest->text().trimmed().size()) longest = f;
            return {longest, refusal};
        }
    }
}

OwnExerciseFields::Refusal TbreukenoefenenForm::check_own_simplification(bool complete) const {
    int a = 1, b = 1;
    for (QLineEdit* f : {Edit7, Edit8}) {
        int v = 1;
        if (!f->text().trimmed().isEmpty() && OwnExerciseFields::read_int(f, v) && v == 0)
            return {f, own_refusal::kZeroInSimplification};
    }
    if (!complete || !OwnExerciseFields::read_int(Edit7, a) ||
        !OwnExerciseFields::read_int(Edit8, b))
        return {};
    FractionExercise e{kSimplify, a, 1, b, 0};
    const int refusal = own_exercise_refusal(e);
    return refusal == 0 ? OwnExerciseFields::Refusal{} : OwnExerciseFields::Refusal{Edit7, refusal};
}

void TbreukenoefenenForm::SpeedButton10Click() {
    if (!fraction_fields_->validate()) return;
    FractionExercise e;
    if (!read_own_fraction_exercise(e, nullptr) || own_exercise_refusal(e) != 0) return;
    hide_explanations();
    selection.previous_exercise_stored = false;
    begin(e);
    Panel9->show();
    Panel9->raise();
    Button1->hide();
    raise_help();
}

void TbreukenoefenenForm::SpeedButton11Click() {
    if (!simplification_fields_->validate()) return;
    int a = 0, b = 0;
    if (!OwnExerciseFields::read_int(Edit7, a) || !OwnExerciseFields::read_int(Edit8, b)) return;
    normalise_sign(a, b);
    FractionExercise e{kSimplify, a, gcd(a, b), b, 0};
    if (own_exercise_refusal(e) != 0) return;
    hide_explanations();
    selection.previous_exercise_stored = false;
    begin(e);
    Panel9->show();
    Panel9->raise();
    Button1->hide();
    raise_help();
}

}  // namespace cifrala
