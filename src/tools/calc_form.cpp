#include "tools/calc_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QToolButton>

#include "expr/eval_text.h"
#include "expr/expression.h"
#include "formula/font_map.h"
#include "text/floating_window.h"
#include "text/help.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "text/translation.h"
#include "tools/calc_keys.h"
#include "tools/calc_result.h"
#include "tools/key_glyphs.h"
#include "tools/key_sender.h"
#include "tools/result_field.h"
#include "tools/tool_shortcuts.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/text_utils.h"

namespace cifrala {

namespace {

constexpr TranslatedWindow kWindow = TranslatedWindow::Calculator;
constexpr int kResultWidth = 123;
constexpr int kResultHeight = 19;
constexpr int kHistoryTop = 244;
constexpr int kHistoryHeight = 92;

// A key whose caption is written as large as fits (at most the window's
// font), so that long function names stay readable on narrow keys.
void fit_caption(QAbstractButton* b) {
    const QString text = b->text();
    if (text.isEmpty()) return;
    QFont f = b->font();
    const int room = b->width() - 6;
    for (int px = f.pixelSize(); px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= room) break;
    }
    b->setFont(f);
}

bool has_unusable_character(const QString& text) {
    for (const QChar c : text) {
        if (!c.isPrint() || c.isSurrogate() || c == QChar::ReplacementCharacter) return true;
    }
    return false;
}

}  // namespace

TCalcForm::TCalcForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CalcForm"));
    setWindowTitle(QStringLiteral("Rekenapparaat"));
    floating_ = new FloatingWindow(this, FloatingWindow::Focus::OnClick);
    // The on-screen keyboard types into the expression field as well.
    add_typing_window(this);
    // F4 hides it again, Shift+F4 shows or hides the keyboard.
    install_tool_shortcuts(this);
    setFont(make_font(QStringLiteral("MS Sans Serif"), 8, true));
    setFixedSize(kClientWidth, kKeysHeight + kHistoryHeight + 8);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(4, 4, 221, 21);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { CalcbuttonClick(); });
    connect(Edit1, &QLineEdit::textEdited, this, [this] { history_.end_recall(); });

    Calcbutton = new QPushButton(QStringLiteral("="), this);
    Calcbutton->setObjectName(QStringLiteral("Calcbutton"));
    Calcbutton->setGeometry(228, 5, 25, 20);
    connect(Calcbutton, &QPushButton::clicked, this, [this] { CalcbuttonClick(); });

    Image1 = new ResultField(this, QRect(276, 5, kResultWidth, kResultHeight));
    Image1->setObjectName(QStringLiteral("Image1"));

    copy_button = new QToolButton(this);
    copy_button->setObjectName(QStringLiteral("CopyButton"));
    copy_button->setGeometry(401, 4, 22, 20);
    copy_button->setIcon(key_glyph_icon(KeyGlyph::Copy, QSize(16, 16)));
    connect(copy_button, &QToolButton::clicked, this, [this] {
        copy_result();
        Edit1->setFocus();
    });

    help_button = new QToolButton(this);
    help_button->setObjectName(QStringLiteral("HelpButton"));
    help_button->setGeometry(424, 4, 22, 20);
    help_button->setIcon(key_glyph_icon(KeyGlyph::Help, QSize(16, 16)));
    connect(help_button, &QToolButton::clicked, this, [this] { help_click(); });

    Button22 = new QPushButton(QStringLiteral("M"), this);
    Button22->setObjectName(QStringLiteral("Button22"));
    Button22->setGeometry(448, 4, 28, 20);
    connect(Button22, &QPushButton::clicked, this, [this] { Button22Click(); });
    Button23 = new QPushButton(QStringLiteral("RM"), this);
    Button23->setObjectName(QStringLiteral("Button23"));
    Button23->setGeometry(480, 4, 28, 20);
    connect(Button23, &QPushButton::clicked, this, [this] { Button23Click(); });

    Button10 = new QPushButton(QStringLiteral("C"), this);
    Button10->setObjectName(QStringLiteral("Button10"));
    Button10->setGeometry(68, 159, 25, 25);
    connect(Button10, &QPushButton::clicked, this, [this] { Button10Click(); });

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(132, 31, 375, 185);

    create_keys();

    // The cover over the scientific keys, slid aside by the scroll bar.
    Panel4 = new QLabel(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(132, 31, 375, 185);
    Panel4->setFrameShape(QFrame::Panel);
    Panel4->setFrameShadow(QFrame::Raised);
    Panel4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Panel4->setAutoFillBackground(true);
    const QPixmap cover(data_path(QStringLiteral("acalc.bmp")));
    if (!cover.isNull()) Panel4->setPixmap(cover);
    Panel4->raise();

    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(132, 220, 377, 17);
    ScrollBar1->setRange(0, 375);
    ScrollBar1->setSingleStep(25);
    ScrollBar1->setPageStep(75);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { ScrollBar1Change(v); });

    CheckBox1 = new QCheckBox(QStringLiteral("Breuken exact"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(4, 220, 124, 18);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });

    // Present in the design, but without a role.
    auto* scientific = new QPushButton(QStringLiteral("Wetenschappelijk>>"), this);
    scientific->setObjectName(QStringLiteral("Button20"));
    scientific->hide();
    auto* simple = new QPushButton(QStringLiteral("<< Eenvoudig "), this);
    simple->setObjectName(QStringLiteral("Button21"));
    simple->hide();

    create_history();

    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(Calcbutton), static_cast<QAbstractButton*>(Button10),
          static_cast<QAbstractButton*>(Button22), static_cast<QAbstractButton*>(Button23),
          static_cast<QAbstractButton*>(copy_button), static_cast<QAbstractButton*>(help_button)}) {
        b->setFocusPolicy(Qt::NoFocus);
    }
    CheckBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBar1->setFocusPolicy(Qt::NoFocus);

    register_control_now(kWindow, this, TextKind::WindowWithHint, calc_tags::kWindow);
    register_control_now(kWindow, Calcbutton, TextKind::Button, calc_tags::kEquals);
    register_control_now(kWindow, Button10, TextKind::Button, calc_tags::kClear);
    register_control_now(kWindow, Button22, TextKind::Button, calc_tags::kStore);
    register_control_now(kWindow, Button23, TextKind::Button, calc_tags::kRecall);
    register_control_now(kWindow, ScrollBar1, TextKind::HintOnly, calc_tags::kScrollBar);
    register_control_now(kWindow, Panel4, TextKind::HintOnly, calc_tags::kCover);
    register_control_now(kWindow, copy_button, TextKind::HintOnly, calc_tags::kCopy);
    register_control_now(kWindow, help_button, TextKind::HintOnly, calc_tags::kHelp);
    register_control_now(kWindow, Edit1, TextKind::Edit, calc_tags::kExpression);
    register_control_now(kWindow, CheckBox1, TextKind::CheckBox, calc_tags::kExact);
    for (auto& [name, b] : keys_)
        fit_caption(b);
    add_language_listener(this, [this] {
        set_angle_hints();
        for (auto& [name, b] : keys_) {
            b->setFont(font());
            fit_caption(b);
        }
    });

    set_angle_hints();
    move(2, 76);
}

TCalcForm::~TCalcForm() = default;

void TCalcForm::create_keys() {
    for (const CalcKey& k : calc_keys()) {
        QWidget* owner = k.on_panel ? Panel1 : this;
        auto* b = new QPushButton(QString::fromLatin1(k.caption), owner);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setGeometry(k.x, k.y, k.width, k.height);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        if (k.picture != CalcKey::NoPicture) {
            const KeyGlyph glyph =
                k.picture == CalcKey::RootPicture ? KeyGlyph::RootSign : KeyGlyph::Pi;
            b->setIcon(key_glyph_icon(glyph, QSize(16, 16)));
        }
        const QString text = QString::fromLatin1(k.text);
        connect(b, &QPushButton::clicked, this, [this, text] { insert_key_text(text); });
        if (k.tag != 0) {
            register_control_now(
                kWindow, b, k.picture != CalcKey::NoPicture ? TextKind::HintOnly : TextKind::Button,
                k.tag);
        }
        keys_[b->objectName()] = b;
    }
}

void TCalcForm::create_history() {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(4, kHistoryTop, kClientWidth - 8, 16);
    register_control_now(kWindow, label, TextKind::Label, calc_tags::kHistoryLabel);

    history_list = new QListWidget(this);
    history_list->setObjectName(QStringLiteral("ListBox1"));
    history_list->setGeometry(4, kHistoryTop + 16, kClientWidth - 8, kHistoryHeight - 12);
    history_list->setFocusPolicy(Qt::NoFocus);
    QFont f = make_font(QStringLiteral("Courier New"), 9, false);
    history_list->setFont(f);
    register_control_now(kWindow, history_list, TextKind::HintOnly, calc_tags::kHistoryList);
    connect(history_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = history_list->row(item);
        const auto& entries = history_.entries();
        if (row < 0 || row >= static_cast<int>(entries.size())) return;
        Edit1->setText(entries[static_cast<size_t>(row)].expression);
        history_.end_recall();
        Edit1->setFocus();
    });
}

QAbstractButton* TCalcForm::key(const QString& name) const {
    auto it = keys_.find(name);
    if (it != keys_.end()) return it->second;
    return findChild<QAbstractButton*>(name);
}

// --- evaluation ---

bool TCalcForm::acceptable_expression(const QString& text) {
    if (text.size() > kMaxExpressionLength) {
        msg_param1 = int_to_text(kMaxExpressionLength);
        show_message(msg(calc_messages::kTooLong));
        return false;
    }
    if (has_unusable_character(text)) {
        show_message(msg(calc_messages::kBadCharacter));
        return false;
    }
    return true;
}

void TCalcForm::CalcbuttonClick() {
    QString text = Edit1->text();
    remove_spaces(text);
    if (text != Edit1->text()) Edit1->setText(text);
    if (text.isEmpty()) return;
    clear_result();
    if (!acceptable_expression(text)) {
        focus_and_select();
        Image1->setToolTip(QString());
        return;
    }
    double v = 0;
    if (eval_text(text, v)) {
        Button22->setEnabled(true);
        const QString shown = calculator_result_text(v, exact_fractions_);
        write_result(shown);
        add_to_history(text, shown, format_real_full(v));
        Edit1->setFocus();
    } else {
        report_failure();
        focus_and_select();
        Image1->setToolTip(QString());
    }
}

void TCalcForm::report_failure() {
    const int function_message = function_message_number();
    if (function_message > 0) {
        show_message(msg(function_message));
    } else {
        show_message(msg(error_message_number(last_evaluation_error())) + QLatin1Char('\n') +
                     msg(calc_messages::kCorrectIt));
    }
}

const QImage& TCalcForm::result_picture() const {
    return Image1->picture();
}

void TCalcForm::clear_result() {
    Image1->clear();
    result_text_.clear();
}

void TCalcForm::write_result(const QString& text) {
    // In the window's font however long it is: a long result scrolls.
    Image1->set_text(text);
    result_text_ = text;
    Image1->setToolTip(text);
}

void TCalcForm::add_to_history(const QString& expression, const QString& result,
                               const QString& full) {
    const bool replaces =
        !history_.entries().empty() && history_.entries().back().expression == expression;
    const int before = static_cast<int>(history_.entries().size());
    history_.add(expression, result, full);
    const QString line = history_line(history_.entries().back());
    if (replaces) {
        history_list->item(history_list->count() - 1)->setText(line);
    } else {
        if (static_cast<int>(history_.entries().size()) == before)  // the oldest fell off
            delete history_list->takeItem(0);
        history_list->addItem(line);
    }
    history_list->scrollToBottom();
}

void TCalcForm::recall(bool older) {
    const std::optional<QString> text = older ? history_.older(Edit1->text()) : history_.newer();
    if (!text) return;
    Edit1->setText(*text);
    Edit1->end(false);
    const int index = history_.recall_index();
    if (index >= 0 && index < history_list->count()) {
        history_list->setCurrentRow(index);
    } else {
        history_list->clearSelection();
    }
}

// --- other controls ---

void TCalcForm::Button10Click() {
    Edit1->clear();
    history_.end_recall();
    Edit1->setFocus();
}

void TCalcForm::Button22Click() {
    double v = 0;
    eval_text(Edit1->text(), v);
    memory_ = format_real(v);
    Button23->setEnabled(true);
    Edit1->setFocus();
}

void TCalcForm::Button23Click() {
    Edit1->setText(Edit1->text() + memory_);
    Edit1->end(false);
    Edit1->setFocus();
}

void TCalcForm::CheckBox1Click() {
    exact_fractions_ = CheckBox1->isChecked();
    Edit1->setFocus();
}

void TCalcForm::insert_key_text(const QString& text) {
    Edit1->insert(text);
    history_.end_recall();
    Edit1->setFocus();
}

void TCalcForm::copy_result() const {
    if (result_text_.isEmpty()) return;
    QGuiApplication::clipboard()->setText(result_text_);
}

void TCalcForm::help_click() {
    request_help(calc_messages::kHelpPage);
}

void TCalcForm::ScrollBar1Change(int position) {
    Panel4->move(position + 132, Panel4->y());
}

void TCalcForm::focus_and_select() {
    Edit1->setFocus();
    Edit1->selectAll();
}

void TCalcForm::set_angle_hints() {
    const QString hint =
        msg(number_settings.radians ? calc_messages::kRadians : calc_messages::kDegrees);
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) {
        if (QAbstractButton* b = key(QString::fromLatin1(name))) b->setToolTip(hint);
    }
}

void TCalcForm::FormShow() {
    Button22->setEnabled(false);
    Button23->setEnabled(false);
    Edit1->clear();
    history_.end_recall();
    focus_and_select();
    clear_result();
    Image1->setToolTip(QString());
    set_angle_hints();
}

void TCalcForm::FormActivate() {
    set_angle_hints();
}

bool TCalcForm::toggle_visible() {
    if (isVisible()) {
        hide();
        return false;
    }
    show_floating(this);
    return true;
}

// --- events ---

bool TCalcForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            recall(key->key() == Qt::Key_Up);
            return true;
        }
        if (key->matches(QKeySequence::Copy) && !Edit1->hasSelectedText() &&
            !result_text_.isEmpty()) {
            copy_result();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCalcForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TCalcForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

}  // namespace cifrala
