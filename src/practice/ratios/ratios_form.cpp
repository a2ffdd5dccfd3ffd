#include "practice/ratios/ratios_form.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "formula/arrowhead.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"
#include "tools/calc_form.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "tools/screen_place.h"
#include "tools/tools.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

constexpr QSize kPicture{789, 325};
constexpr QPoint kPictureAt{113, 30};
constexpr int kBottomRow = 684;
constexpr int kOwnPanelShift = 130;
const char* const kNormalHint = "normal_hint";

PracticeWindowConfig ratios_config() {
    PracticeWindowConfig c;
    c.translated = TranslatedWindow::Ratios;
    c.class_name = QStringLiteral("TverhoudingenForm");
    c.title = QStringLiteral("Verhoudingen oefenen");
    c.surface_rect = QRect(kPictureAt, kPicture);
    c.cover_distance = 40;
    return c;
}

QLineEdit* table_edit(QWidget* parent, const QString& name, int points) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(make_font(QStringLiteral("Verdana"), points, true));
    e->setAlignment(Qt::AlignCenter);
    return e;
}

QToolButton* text_button(QWidget* parent, const QString& name, const QString& caption) {
    QToolButton* b = make_text_button(parent, name, caption);
    b->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    return b;
}

// The picture on the aid buttons: a small curved arrow.
QIcon arc_icon(bool vertical) {
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    if (vertical) {
        p.drawArc(QRect(6, 3, 12, 16), 90 * 16, 180 * 16);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(12, 0), QPoint(17, 3), QPoint(12, 6)}));
    } else {
        p.drawArc(QRect(3, 6, 16, 12), 0, 180 * 16);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(0, 10), QPoint(3, 15), QPoint(6, 10)}));
    }
    return QIcon(pm);
}

void set_field_colour(QLineEdit* e, const QColor& colour) {
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, colour);
    // The given number stays as readable as the typed ones.
    pal.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    e->setPalette(pal);
}

// A field whose text cannot be checked turns red and tells why in its hint.
void mark_field(QLineEdit* e, int message) {
    const bool marked = e->property("refused").toBool();
    if (message != 0) {
        if (!marked) e->setProperty(kNormalHint, e->toolTip());
        e->setProperty("refused", true);
        e->setToolTip(msg(message));
        set_field_colour(e, QColor(255, 208, 208));
    } else if (marked) {
        e->setProperty("refused", false);
        e->setToolTip(e->property(kNormalHint).toString());
        set_field_colour(e, Qt::white);
    }
}

int message_for(TableNumber n) {
    switch (n) {
        case TableNumber::NotWhole:
            return ratios_messages::kTypeWholeNumber;
        case TableNumber::TooLarge:
            return ratios_messages::kTooLarge;
        case TableNumber::NotPositive:
            return ratios_messages::kAboveZero;
        default:
            return 0;
    }
}

}  // namespace

TverhoudingenForm::TverhoudingenForm(QWidget* parent)
    : PracticeWindow(ratios_config(), parent), worker_(*this) {
    // The picture lies still behind the table: no cover sheet, no dragging.
    disconnect(Image1, nullptr, this, nullptr);
    BitBtn2 = Button3;
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    Button2->hide();
    hint_check->hide();

    create_table();
    create_aid_buttons();
    create_bottom_controls();
    create_own_exercise_panel();
    place_bottom_row();
    fill_calibration_table();

    set_role(ControlRole::Score, Label2);
    add_mode(QStringLiteral("ratios"), kAnyCode, kAnyCode,
             make_mode({{TextKind::Window, ratios_tags::kTitle},
                        ratios_tags::kHelpPage,
                        true,
                        {},
                        [this] { new_exercise(); },
                        {},
                        [this] { return &worker_; }}));
    worker_.next_table(0);
    fill_table();
    worker_.redraw();
}

TverhoudingenForm::~TverhoudingenForm() {
    settings_while_shown().restore();
}

void TverhoudingenForm::create_table() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setGeometry(QRect(kPictureAt, kPicture).adjusted(-2, -2, 2, 2));
    Panel1->lower();

    const QPoint at = Image1->pos();
    for (int i = 0; i < 3; ++i) {
        QLineEdit* u = table_edit(this, QStringLiteral("Edit%1").arg(i + 1), 20);
        QLineEdit* l = table_edit(this, QStringLiteral("Edit%1").arg(i + 4), 20);
        u->setGeometry(worker_.layout().field(0, i).translated(at));
        l->setGeometry(worker_.layout().field(1, i).translated(at));
        u->setReadOnly(true);
        u->setFocusPolicy(Qt::NoFocus);
        upper_[static_cast<size_t>(i)] = u;
        lower_[static_cast<size_t>(i)] = l;
        register_text(l, TextKind::Edit, ratios_tags::kLowerField, true);
        connect(l, &QLineEdit::textChanged, this, [this] { validate_lower(); });
        l->installEventFilter(this);
        add_shared_keys(l);
    }
    Edit1 = upper_[0];
    Edit2 = upper_[1];
    Edit3 = upper_[2];
    Edit4 = lower_[0];
    Edit5 = lower_[1];
    Edit6 = lower_[2];
    Edit7 = table_edit(this, QStringLiteral("Edit7"), 20);
    Edit8 = table_edit(this, QStringLiteral("Edit8"), 20);
    Edit7->setGeometry(worker_.layout().field(0, 3).translated(at));
    Edit8->setGeometry(worker_.layout().field(1, 3).translated(at));
    for (QLineEdit* e : {Edit7, Edit8}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        set_field_colour(e, QColor(255, 255, 200));
        e->hide();
    }
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, Edit6);
}

void TverhoudingenForm::create_aid_buttons() {
    auto make = [this](const QString& name, bool vertical, int tag) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(arc_icon(vertical));
        b->setIconSize(QSize(22, 22));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->resize(28, 28);
        register_text(b, TextKind::HintOnly, tag, true);
        return b;
    };
    SpeedButton1 = make(QStringLiteral("SpeedButton1"), true, ratios_tags::kRowFactor);
    SpeedButton2 = make(QStringLiteral("SpeedButton2"), true, ratios_tags::kRowFactor);
    SpeedButton3 = make(QStringLiteral("SpeedButton3"), false, ratios_tags::kBaseColumn);
    SpeedButton4 = make(QStringLiteral("SpeedButton4"), false, ratios_tags::kFromBase);
    SpeedButton5 = make(QStringLiteral("SpeedButton5"), false, ratios_tags::kFromBase);
    SpeedButton6 = make(QStringLiteral("SpeedButton6"), false, ratios_tags::kFromBase);
    from_base_ = {SpeedButton4, SpeedButton5, SpeedButton6};
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    place_aid_buttons();
}

void TverhoudingenForm::place_aid_buttons() {
    const QPoint at = Image1->pos();
    const RatioLayout& L = worker_.layout();
    SpeedButton1->move(at + QPoint(L.left - 34, L.top - 32));
    SpeedButton2->move(at + QPoint(L.right(worker_.aids().base_column) + 6, L.top - 32));
    SpeedButton3->move(at + QPoint(L.right(false) - 32, L.bottom() + 4));
    for (int i = 0; i < 3; ++i)
        // Above the columns, where their arcs from the base column arrive.
        from_base_[static_cast<size_t>(i)]->move(at + QPoint(L.cell(0, i).left() + 4, L.top - 32));
    for (QToolButton* b :
         {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6})
        b->raise();
}

void TverhoudingenForm::create_bottom_controls() {
    const int x = Image1->x();
    const int y = Image1->geometry().bottom() + 12;
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(make_font(QStringLiteral("Verdana"), 12, false));
    Label1->setGeometry(x, y + 6, 240, 28);
    register_text(Label1, TextKind::Label, ratios_tags::kValueCaption, true);
    Label2 = new QLabel(QStringLiteral("100%"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(make_font(QStringLiteral("Verdana"), 20, true));
    Label2->setGeometry(x + 244, y, 150, 40);

    BitBtn1 = new QPushButton(QStringLiteral("Check"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFont(make_font(QStringLiteral("Verdana"), 12, true));
    BitBtn1->setGeometry(x + 400, y, 150, 40);
    BitBtn1->setAutoDefault(false);
    BitBtn1->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    register_text(BitBtn1, TextKind::HintOnly, ratios_tags::kCheck, true);
    add_shared_keys(BitBtn1);
    setTabOrder(Edit6, BitBtn1);

    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(make_font(QStringLiteral("Verdana"), 10, true));
    Label5->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label5->setGeometry(x, y + 46, kPicture.width(), 22);

    const int row = y + 74;
    SpeedButton7 = text_button(this, QStringLiteral("SpeedButton7"),
                               QStringLiteral("Toon/verberg rekenapparaat"));
    SpeedButton7->setGeometry(x, row, 270, 32);
    register_text(SpeedButton7, TextKind::SpeedButtonWithHint, ratios_tags::kCalculator, true);
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { SpeedButton7Click(); });
    SpeedButton8 = text_button(this, QStringLiteral("SpeedButton8"), QStringLiteral("Toetsenbord"));
    SpeedButton8->setGeometry(x + 280, row, 200, 32);
    register_text(SpeedButton8, TextKind::SpeedButtonWithHint, ratios_tags::kKeyboard, true);
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { SpeedButton8Click(); });
    SpeedButton10 =
        text_button(this, QStringLiteral("SpeedButton10"), QStringLiteral("Eigen opgave"));
    SpeedButton10->setGeometry(x + 490, row, 200, 32);
    register_text(SpeedButton10, TextKind::SpeedButton, practice_tags::kOwnExercise);
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
}

void TverhoudingenForm::create_own_exercise_panel() {
    Panel2 = add_floating_panel(QStringLiteral("Panel2"));
    // Right of the place where the on-screen keyboard opens.
    Panel2->setGeometry(Image1->x() + kOwnPanelShift, SpeedButton7->geometry().bottom() + 8, 700,
                        170);
    Label3 = new QLabel(QStringLiteral("Voer je eigen waarden in:"), Panel2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(make_font(QStringLiteral("Verdana"), 11, true));
    Label3->setGeometry(10, 6, 600, 22);
    register_text(Label3, TextKind::Label, ratios_tags::kOwnCaption1);
    Label4 = new QLabel(QStringLiteral("Eerste regel (volledig) en één getal in de tweede regel)"),
                        Panel2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(make_font(QStringLiteral("Verdana"), 10, false));
    Label4->setGeometry(10, 28, 600, 20);
    register_text(Label4, TextKind::Label, ratios_tags::kOwnCaption2);

    std::array<QLineEdit*, 6> fields{};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* e = table_edit(Panel2, QStringLiteral("Edit%1").arg(9 + i), 14);
        const int column = i / 2;
        const int r = i % 2;
        e->setGeometry(10 + column * 92, 56 + r * 50, 84, 38);
        register_text(e, TextKind::Edit, ratios_tags::kOwnField, true);
        fields[static_cast<size_t>(i)] = e;
    }
    Edit9 = fields[0];
    Edit10 = fields[1];
    Edit11 = fields[2];
    Edit12 = fields[3];
    Edit13 = fields[4];
    Edit14 = fields[5];
    setTabOrder(Edit9, Edit11);
    setTabOrder(Edit11, Edit13);
    setTabOrder(Edit13, Edit10);
    setTabOrder(Edit10, Edit12);
    setTabOrder(Edit12, Edit14);

    SpeedButton11 = text_button(Panel2, QStringLiteral("SpeedButton11"), QStringLiteral("OK"));
    SpeedButton11->setGeometry(300, 56, 200, 38);
    register_text(SpeedButton11, TextKind::SpeedButtonWithHint, ratios_tags::kOwnGo, true);
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { SpeedButton11Click(); });
    Label6 = new QLabel(Panel2);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(make_font(QStringLiteral("Verdana"), 10, false));
    Label6->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setGeometry(300, 100, 390, 62);

    own_fields_ = new OwnExerciseFields(SpeedButton11, Label6, this);
    for (QLineEdit* e : {Edit9, Edit11, Edit13})
        own_fields_->add_field(e, true);
    for (QLineEdit* e : {Edit10, Edit12, Edit14})
        own_fields_->add_field(e, false);
    own_fields_->set_check([this](bool complete) { return check_own_table(complete); });
    own_fields_->validate();
}

void TverhoudingenForm::place_bottom_row() {
    const int shift = kBottomRow - Button1->y();
    for (QWidget* w :
         std::initializer_list<QWidget*>{Button1, Button2, BitBtn2, hint_check, level_group,
                                         help_button, copy_button, save_button})
        w->move(w->x(), w->y() + shift);
}

void TverhoudingenForm::fill_calibration_table() {
    std::vector<CalibratedControl> table;
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, BitBtn2, level_group})
        table.push_back({w, 40});
    for (QWidget* w : std::initializer_list<QWidget*>{help_button, copy_button, save_button})
        table.push_back({w, 39});
    set_calibration_table(std::move(table));
}

// --- life cycle ---

void TverhoudingenForm::showing() {
    SettingsWhileShown& s = settings_while_shown();
    s.set_fixed_decimals(true);
    s.set_decimals(2);
    s.set_arrowhead(30, 40);
    set_typing_target(this);
    Panel2->hide();
    SpeedButton10->show();
    worker_.reset_value();
    new_table();
}

void TverhoudingenForm::closing() {
    if (keyboard_exists()) keyboard()->hide();
    if (typing_target == windowTitle()) set_typing_target(QString());
}

void TverhoudingenForm::new_exercise() {
    Panel2->hide();
    new_table();
    SpeedButton10->show();
}

void TverhoudingenForm::new_table() {
    hide_aid_controls();
    if (worker_.next_table(level())) fill_table();
    worker_.redraw();
    validate_lower();
    focus_first_empty();
}

void TverhoudingenForm::set_table(const RatioTable& table) {
    hide_aid_controls();
    worker_.set_table(table);
    fill_table();
    worker_.redraw();
    validate_lower();
    focus_first_empty();
}

void TverhoudingenForm::hide_aid_controls() {
    worker_.hide_aids();
    for (QToolButton* b :
         {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6})
        b->setChecked(false);
    Edit7->hide();
    Edit8->hide();
    for (QToolButton* b : from_base_)
        b->hide();
    place_aid_buttons();
}

void TverhoudingenForm::fill_table() {
    const RatioTable& table = worker_.table();
    for (int i = 0; i < 3; ++i) {
        const auto c = static_cast<size_t>(i);
        upper_[c]->setText(QString::number(table.upper[c]));
        QLineEdit* l = lower_[c];
        const QSignalBlocker block(l);
        mark_field(l, 0);
        if (i == table.given) {
            l->setText(QString::number(table.lower[c]));
            l->setEnabled(false);
            l->setFocusPolicy(Qt::NoFocus);
            set_field_colour(l, QColor(200, 200, 200));
        } else {
            l->clear();
            l->setEnabled(true);
            l->setFocusPolicy(Qt::StrongFocus);
            set_field_colour(l, Qt::white);
        }
    }
    BitBtn1->setEnabled(false);
    Label5->clear();
}

bool TverhoudingenForm::typed_character(const QKeyEvent& key) {
    const QString t = key.text();
    if (t.size() != 1 || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    const QChar c = t.front();
    return c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('-') ||
           c == QLatin1Char('+') || c == QLatin1Char('*') || c == QLatin1Char('/') ||
           c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('^');
}

QLineEdit* TverhoudingenForm::field_to_type_in() const {
    if (typing_in_ && typing_in_->isEnabled() && typing_in_->isVisibleTo(this)) return typing_in_;
    for (QLineEdit* l : lower_)
        if (l->isEnabled() && l->text().trimmed().isEmpty()) return l;
    return nullptr;
}

void TverhoudingenForm::back_to_typing() {
    if (QLineEdit* field = field_to_type_in()) {
        field->setFocus();
    } else {
        focus_first_empty();
    }
    raise_help();
}

void TverhoudingenForm::focus_first_empty() {
    for (QLineEdit* l : lower_) {
        if (l->isEnabled() && l->text().trimmed().isEmpty()) {
            l->setFocus();
            return;
        }
    }
    BitBtn1->setFocus();
}

// --- typing and checking ---

bool TverhoudingenForm::validate_lower() {
    bool all = true;
    int first_problem = 0;
    for (QLineEdit* l : lower_) {
        int v = 0;
        const TableNumber n = read_table_number(l->text(), v);
        if (n != TableNumber::Ok) all = false;
        const int message = l->isEnabled() ? message_for(n) : 0;
        mark_field(l, message);
        if (message != 0 && first_problem == 0) first_problem = message;
    }
    Label5->setText(first_problem != 0 ? msg(first_problem) : QString());
    BitBtn1->setEnabled(all);
    return all;
}

void TverhoudingenForm::BitBtn1Click() {
    if (!validate_lower()) return;
    std::array<int, 3> lower{};
    for (size_t i = 0; i < 3; ++i)
        read_table_number(lower_[i]->text(), lower[i]);
    const RatioWorker::Judgement judged = worker_.check(lower);
    const std::array<bool, 3>& wrong = judged.wrong;
    QStringList lines = judged.lines;
    if (!judged.any_wrong) SpeedButton10->show();
    while (lines.size() < 4)
        lines << QString();
    show_big_message(lines[0], lines[1], lines[2], lines[3]);
    QLineEdit* last_wrong = nullptr;
    for (int i = 0; i < 3; ++i) {
        if (!wrong[static_cast<size_t>(i)]) continue;
        lower_[static_cast<size_t>(i)]->clear();
        last_wrong = lower_[static_cast<size_t>(i)];
    }
    new_table();
    if (last_wrong) last_wrong->setFocus();
    raise_help();
}

void TverhoudingenForm::check_from_key() {
    if (BitBtn1->isEnabled()) {
        BitBtn1Click();
        return;
    }
    validate_lower();
    const QString why = Label5->text();
    show_message(why.isEmpty() ? msg(ratios_messages::kFillAllFields) : why);
    focus_first_empty();
}

bool TverhoudingenForm::eventFilter(QObject* watched, QEvent* event) {
    const bool lower_field = std::find(lower_.begin(), lower_.end(), watched) != lower_.end();
    if (event->type() == QEvent::FocusIn && lower_field)
        typing_in_ = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if (watched == Button1 && typed_character(*key)) {
            // Typed while the button has the focus: it belongs in the table.
            QLineEdit* field = field_to_type_in();
            if (field) {
                field->setFocus();
                field->insert(key->text());
                return true;
            }
        }
        if (watched == Button1 && k != Qt::Key_PageUp && k != Qt::Key_Tab && k != Qt::Key_Backtab &&
            k != Qt::Key_Shift && k != Qt::Key_Control && k != Qt::Key_Alt && k != Qt::Key_Meta &&
            k != Qt::Key_CapsLock) {
            check_from_key();
            return true;
        }
        if (lower_field && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
            if (BitBtn1->isEnabled()) {
                BitBtn1Click();
            } else {
                focus_first_empty();
            }
            return true;
        }
    }
    return PracticeWindow::eventFilter(watched, event);
}

// --- aids ---

void TverhoudingenForm::SpeedButton1Click() {
    SpeedButton1->setChecked(worker_.toggle_lower_to_upper());
    back_to_typing();
}

void TverhoudingenForm::SpeedButton2Click() {
    SpeedButton2->setChecked(worker_.toggle_upper_to_lower());
    back_to_typing();
}

void TverhoudingenForm::SpeedButton3Click() {
    const bool shown = worker_.toggle_base_column();
    SpeedButton3->setChecked(shown);
    if (shown) {
        Edit7->setText(QString::number(worker_.table().base_upper()));
        Edit8->setText(QString::number(worker_.table().base_lower()));
        Edit7->show();
        Edit8->show();
        Edit7->raise();
        Edit8->raise();
        for (QToolButton* b : from_base_)
            b->show();
    } else {
        Edit7->hide();
        Edit8->hide();
        for (QToolButton* b : from_base_) {
            b->setChecked(false);
            b->hide();
        }
    }
    place_aid_buttons();
    back_to_typing();
}

void TverhoudingenForm::from_base_click(int column) {
    if (!worker_.aids().base_column) return;
    from_base_[static_cast<size_t>(column)]->setChecked(worker_.toggle_from_base(column));
    back_to_typing();
}

// --- tools ---

QPoint TverhoudingenForm::calculator_place() const {
    // Right of the worksheet, at the window's top: above the value, "Check",
    // the tool buttons, the keyboard with its letter panel and the bottom row
    // with the level group. A screen too narrow for it pushes it back over
    // the worksheet's right side, which the table leaves empty.
    return mapToGlobal(QPoint(Image1->geometry().right() + 8, 0));
}

void TverhoudingenForm::SpeedButton7Click() {
    TCalcForm* calc = calculator();
    if (!tools_placed_ && !calc->isVisible()) {
        calc->move(within_screen(calc, calculator_place()));
        tools_placed_ = true;
    }
    if (calc->toggle_visible()) worker_.lower_value();
    focus_first_empty();
    raise_help();
}

void TverhoudingenForm::SpeedButton8Click() {
    set_typing_target(this);
    Ttoetsenbord* k = keyboard();
    // At the window's left edge, below the row of tool buttons: the window
    // itself reaches down to the bottom of the screen, and there the
    // keyboard covers neither the table nor the value.
    k->show_at(mapToGlobal(QPoint(0, SpeedButton7->geometry().bottom() + 12)));
    focus_first_empty();
    raise_help();
}

// --- own exercise ---

void TverhoudingenForm::SpeedButton10Click() {
    own_fields_->clear_fields();
    SpeedButton11->setEnabled(false);
    Panel2->show();
    Panel2->raise();
    Edit9->setFocus();
}

OwnExerciseFields::Refusal TverhoudingenForm::check_own_table(bool complete) const {
    for (QLineEdit* e : {Edit9, Edit11, Edit13, Edit10, Edit12, Edit14}) {
        int v = 0;
        const TableNumber n = read_table_number(e->text(), v);
        if (n != TableNumber::Empty && n != TableNumber::Ok) return {e, message_for(n)};
    }
    if (!complete) return {};
    QLineEdit* filled = nullptr;
    for (QLineEdit* e : {Edit10, Edit12, Edit14}) {
        if (e->text().trimmed().isEmpty()) continue;
        if (filled) return {e, ratios_messages::kExactlyOneLower};
        filled = e;
    }
    if (!filled) return {nullptr, ratios_messages::kExactlyOneLower};
    return {};
}

void TverhoudingenForm::SpeedButton11Click() {
    if (!own_fields_->validate()) return;
    std::array<int, 3> upper{};
    int given = -1;
    int given_lower = 0;
    const std::array<QLineEdit*, 3> top{Edit9, Edit11, Edit13};
    const std::array<QLineEdit*, 3> bottom{Edit10, Edit12, Edit14};
    for (size_t i = 0; i < 3; ++i) {
        read_table_number(top[i]->text(), upper[i]);
        if (!bottom[i]->text().trimmed().isEmpty()) {
            given = static_cast<int>(i);
            read_table_number(bottom[i]->text(), given_lower);
        }
    }
    RatioTable t;
    const OwnTableResult result = complete_own_table(upper, given, given_lower, t);
    if (result != OwnTableResult::Ok) {
        SpeedButton11->setEnabled(false);
        show_message(msg(result == OwnTableResult::NotWhole   ? ratios_messages::kNotWhole
                         : result == OwnTableResult::TooLarge ? ratios_messages::kTooLarge
                                                              : ratios_messages::kAboveZero));
        Edit9->setFocus();
        return;
    }
    set_table(t);
    Panel2->hide();
    SpeedButton10->hide();
    raise_help();
}

}  // namespace cifrala
