#include "practice/integers/times_table_panel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "formula/font_map.h"
#include "practice/common/practice_window.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/translation.h"
#include "tools/key_sender.h"

namespace cifrala {

using namespace times_table_tags;

namespace {

constexpr int kTickMs = 1000;
constexpr int kRowsPerColumn = 5;
constexpr int kFirstRowY = 110;
constexpr int kRowStep = 64;
constexpr int kColumnX[2] = {40, 530};

QFont font_of(int points, bool bold = false) {
    return make_font(QStringLiteral("Verdana"), points, bold);
}

void translated(QWidget* control, TextKind kind, int tag, bool load_now = false) {
    register_control(TranslatedWindow::Integers, control, kind, tag);
    if (load_now) load_control_text(control, kind, tag);
}

// The marker's two faces: a red cross while it can be pressed (wrong), a
// green tick when it is disabled (right).
QIcon marker_icon() {
    auto face = [](bool right) {
        QPixmap pm(26, 26);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (right) {
            p.setPen(QPen(QColor(0, 150, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygon({QPoint(4, 14), QPoint(10, 21), QPoint(22, 5)}));
        } else {
            p.setPen(QPen(QColor(220, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(5, 5, 21, 21);
            p.drawLine(21, 5, 5, 21);
        }
        return pm;
    };
    QIcon icon;
    icon.addPixmap(face(false), QIcon::Normal);
    icon.addPixmap(face(true), QIcon::Disabled);
    return icon;
}

QColor bar_rgb(TimesTableRound::BarColour c) {
    switch (c) {
        case TimesTableRound::BarColour::Green:
            return QColor(0, 128, 0);
        case TimesTableRound::BarColour::Fuchsia:
            return QColor(255, 0, 255);
        case TimesTableRound::BarColour::Red:
            break;
    }
    return QColor(255, 0, 0);
}

QPushButton* panel_button(QWidget* parent, const QString& name, const QString& caption,
                          const QString& hint, int tag, QRect where) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFont(font_of(11, true));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    b->setGeometry(where);
    translated(b, TextKind::Button, tag);
    return b;
}

}  // namespace

TimesTablePanel::TimesTablePanel(QWidget* window) : QFrame(window) {
    setObjectName(QStringLiteral("Panel8"));
    // The window's yellow, over the whole window.
    fill_practice_yellow(this);
    create_settings();
    create_rows();
    create_input_group();
    connect(&countdown_, &Countdown::ticked, this, [this] { tick(); });
    connect(&countdown_, &Countdown::expired, this, [this] { time_up(); });
    hide();
}

void TimesTablePanel::create_settings() {
    auto* count_label = new QLabel(QStringLiteral("Aantal opgaven"), this);
    count_label->setObjectName(QStringLiteral("Label20"));
    count_label->setFont(font_of(11));
    count_label->setGeometry(20, 14, 140, 26);
    translated(count_label, TextKind::Label, kCountLabel);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setFont(font_of(11));
    for (int i = 1; i <= TimesTableRound::kMostRows; ++i)
        ComboBox1->addItem(QString::number(i));
    ComboBox1->setCurrentIndex(TimesTableRound::kMostRows - 1);
    ComboBox1->setGeometry(160, 12, 64, 30);

    auto* time_label = new QLabel(QStringLiteral("Beschikbare tijd ="), this);
    time_label->setObjectName(QStringLiteral("Label21"));
    time_label->setFont(font_of(11));
    time_label->setGeometry(250, 14, 170, 26);
    translated(time_label, TextKind::Label, kTimeLabel);

    Edit2 = new QLineEdit(QString::number(TimesTableRound::kDefaultSeconds), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(font_of(11));
    Edit2->setAlignment(Qt::AlignCenter);
    Edit2->setGeometry(420, 12, 60, 30);

    auto* seconds_label = new QLabel(QStringLiteral("seconden"), this);
    seconds_label->setObjectName(QStringLiteral("Label22"));
    seconds_label->setFont(font_of(11));
    seconds_label->setGeometry(488, 14, 110, 26);
    translated(seconds_label, TextKind::Label, kSecondsLabel);

    Button4 = panel_button(this, QStringLiteral("Button4"), QStringLiteral("Start"),
                           QStringLiteral("Nieuwe rij tafeltjes"), kStart, QRect(610, 10, 110, 34));
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    keyboard_button =
        make_text_button(this, QStringLiteral("SpeedButton8"), QStringLiteral("Toetsenbord"));
    keyboard_button->setFont(font_of(10));
    keyboard_button->setGeometry(730, 10, 140, 34);
    translated(keyboard_button, TextKind::SpeedButtonWithHint, kKeyboard, true);
    connect(keyboard_button, &QToolButton::clicked, this, [this] { Q_EMIT keyboard_requested(); });

    Button5 = panel_button(this, QStringLiteral("Button5"), QStringLiteral("Stop"),
                           QStringLiteral("Exit"), kStop, QRect(880, 10, 110, 34));
    connect(Button5, &QPushButton::clicked, this, [this] { Q_EMIT stop_requested(); });

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(20, 60, 970, 26);
    Gauge1->hide();
}

void TimesTablePanel::create_rows() {
    const QIcon marks = marker_icon();
    for (int i = 0; i < TimesTableRound::kMostRows; ++i) {
        const int x = kColumnX[i / kRowsPerColumn];
        const int y = kFirstRowY + (i % kRowsPerColumn) * kRowStep;
        auto* q = new QLabel(this);
        q->setObjectName(QStringLiteral("Label%1").arg(23 + i));
        q->setFont(font_of(24));
        q->setGeometry(x, y, 170, 44);
        Question[static_cast<size_t>(i)] = q;

        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(3 + i));
        e->setFont(font_of(22));
        e->setGeometry(x + 175, y, 110, 44);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [this, i] { answer_changed(i); });
        Edit[static_cast<size_t>(i)] = e;

        auto* m = new QToolButton(this);
        m->setObjectName(QStringLiteral("SpeedButton%1").arg(23 + i));
        m->setIcon(marks);
        m->setIconSize(QSize(26, 26));
        m->setFocusPolicy(Qt::NoFocus);
        m->setGeometry(x + 295, y + 5, 34, 34);
        connect(m, &QToolButton::clicked, this, [this, i] { marker_click(i); });
        Marker[static_cast<size_t>(i)] = m;

        auto* p = new QLabel(QStringLiteral("xx"), this);
        p->setObjectName(QStringLiteral("Label%1").arg(34 + i));
        p->setFont(font_of(22, true));
        p->setStyleSheet(QStringLiteral("color: #c00000;"));
        p->setGeometry(x + 340, y, 90, 44);
        Product[static_cast<size_t>(i)] = p;
    }
}

void TimesTablePanel::create_input_group() {
    input_group = new QGroupBox(QStringLiteral(" Invoer  "), this);
    input_group->setObjectName(QStringLiteral("GroupBox3"));
    input_group->setFont(font_of(10));
    input_group->setGeometry(20, 440, 970, 150);
    translated(input_group, TextKind::GroupBox, kInputGroup);
    auto key = [this](const QString& name, const QString& caption, int x, int y, int w) {
        auto* b = new QToolButton(input_group);
        b->setObjectName(name);
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(font_of(14, true));
        b->setGeometry(x, y, w, 50);
        return b;
    };
    constexpr int kStep = 58;
    constexpr int kWidth = 54;
    int x = 12;
    for (int d = 1; d <= 10; ++d) {
        const char digit = static_cast<char>('0' + d % 10);
        QToolButton* b =
            key(QStringLiteral("KeyDigit%1").arg(d % 10), QString(QChar(digit)), x, 26, kWidth);
        connect(b, &QToolButton::clicked, this,
                [this, digit] { screen_key(QByteArray(1, digit)); });
        x += kStep;
    }
    struct EditKey {
        const char* name;
        const char* caption;
        unsigned char code;
        int tag;
    };
    const EditKey edits[] = {{"KeyLeft", "\u25C4", key_code::kLeft, kCursorLeft},
                             {"KeyRight", "\u25BA", key_code::kRight, kCursorRight},
                             {"KeyDelete", "Del", key_code::kDelete, kDelete},
                             {"KeyBackspace", "\u2190", key_code::kBackspace, kBackspace}};
    x = 12;
    for (const EditKey& e : edits) {
        QToolButton* b = key(QLatin1String(e.name), QString::fromUtf8(e.caption), x, 84, kWidth);
        const char code = static_cast<char>(e.code);
        connect(b, &QToolButton::clicked, this, [this, code] { screen_key(QByteArray(1, code)); });
        translated(b, TextKind::HintOnly, e.tag, true);
        x += kStep;
    }
    x += 20;
    QToolButton* previous =
        key(QStringLiteral("KeyPrevious"), QStringLiteral("Vorige invoerveld"), x, 84, 220);
    connect(previous, &QToolButton::clicked, this, [this] { previous_field(); });
    translated(previous, TextKind::SpeedButton, kPreviousField);
    QToolButton* next =
        key(QStringLiteral("KeyNext"), QStringLiteral("Volgende invoerveld"), x + 230, 84, 220);
    connect(next, &QToolButton::clicked, this, [this] { next_field(); });
    translated(next, TextKind::SpeedButton, kNextField);
    for (QToolButton* b : {previous, next})
        b->setFont(font_of(11, true));

    Button6 =
        panel_button(this, QStringLiteral("Button6"), QStringLiteral("Check antwoorden"),
                     QStringLiteral("Controleer de oplossing"), kCheck, QRect(20, 604, 220, 38));
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    Button6->hide();

    Label33 = new QLabel(QStringLiteral("Score"), this);
    Label33->setObjectName(QStringLiteral("Label33"));
    Label33->setFont(font_of(20, true));
    Label33->setGeometry(270, 602, 500, 42);
}

// --- the test ---

void TimesTablePanel::show_test_panel() {
    stop();
    round_.set_rows({});
    for (int i = 0; i < TimesTableRound::kMostRows; ++i) {
        Marker[static_cast<size_t>(i)]->hide();
        Product[static_cast<size_t>(i)]->hide();
        // Until "Start" no products are asked.
        Question[static_cast<size_t>(i)]->hide();
        Edit[static_cast<size_t>(i)]->hide();
    }
    Gauge1->hide();
    Button6->hide();
    Label33->setText(QString());
    marked_ = false;
    show();
    raise();
}

bool TimesTablePanel::Button4Click() {
    int seconds = 0;
    if (!TimesTableRound::read_seconds(Edit2->text(), seconds)) {
        show_message(msg(kBadTime));
        Edit2->setFocus();
        Edit2->selectAll();
        return false;
    }
    for (int i = 0; i < TimesTableRound::kMostRows; ++i) {
        Marker[static_cast<size_t>(i)]->hide();
        Product[static_cast<size_t>(i)]->hide();
    }
    set_input_enabled(true);
    set_bar_colour(TimesTableRound::BarColour::Green);
    round_.start(ComboBox1->currentText().toInt());
    for (int i = 0; i < TimesTableRound::kMostRows; ++i) {
        const bool shown = i < round_.count();
        Question[static_cast<size_t>(i)]->setVisible(shown);
        Edit[static_cast<size_t>(i)]->setVisible(shown);
        if (shown)
            Question[static_cast<size_t>(i)]->setText(TimesTableRound::question(round_.row(i)));
        Edit[static_cast<size_t>(i)]->clear();
    }
    Label33->setText(QString());
    marked_ = false;
    focus_row(0);
    maximum_ = seconds;
    progress_ = 0;
    Gauge1->setRange(0, maximum_);
    Gauge1->setValue(0);
    Gauge1->show();
    // The bar is full after `seconds` ticks; the answers are marked at the
    // tick after that.
    countdown_.start((maximum_ + 1) * kTickMs, kTickMs);
    Button6->show();
    return true;
}

void TimesTablePanel::tick() {
    set_bar_colour(TimesTableRound::bar_colour(progress_, maximum_));
    if (progress_ < maximum_) ++progress_;
    Gauge1->setValue(progress_);
}

void TimesTablePanel::time_up() {
    Button6->hide();
    set_input_enabled(false);
    report();
}

void TimesTablePanel::Button6Click() {
    countdown_.stop();
    report();
    Button6->hide();
}

void TimesTablePanel::stop() {
    countdown_.stop();
}

void TimesTablePanel::report() {
    std::vector<QString> answers;
    for (int i = 0; i < round_.count(); ++i)
        answers.push_back(Edit[static_cast<size_t>(i)]->text());
    marking_ = round_.mark(answers);
    marked_ = true;
    for (int i = 0; i < round_.count(); ++i) {
        QToolButton* m = Marker[static_cast<size_t>(i)];
        m->setEnabled(!marking_.right[static_cast<size_t>(i)]);
        m->show();
    }
    if (marking_.last_wrong >= 0) focus_row(marking_.last_wrong);
    Label33->setText(TimesTableRound::score_text(marking_.score, marking_.count));
}

void TimesTablePanel::marker_click(int row) {
    if (row < 0 || row >= round_.count()) return;
    QLabel* p = Product[static_cast<size_t>(row)];
    p->setText(QString::number(round_.row(row).product()));
    p->show();
}

void TimesTablePanel::set_input_enabled(bool enabled) {
    input_enabled_ = enabled;
    input_group->setEnabled(enabled);
    for (QLineEdit* e : Edit)
        e->setEnabled(enabled);
}

void TimesTablePanel::set_bar_colour(TimesTableRound::BarColour colour) {
    colour_ = colour;
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #606060; background: "
                                         "white; } QProgressBar::chunk { background: %1; }")
                              .arg(bar_rgb(colour).name()));
}

// --- typing ---

int TimesTablePanel::shown_rows() const {
    return round_.count();
}

int TimesTablePanel::focused_row() const {
    // The window's focus widget, also while the window is not active.
    const QWidget* focus = window()->focusWidget();
    for (int i = 0; i < shown_rows(); ++i)
        if (Edit[static_cast<size_t>(i)] == focus) return i;
    return -1;
}

QPoint TimesTablePanel::keyboard_place() const {
    return QPoint(input_group->x(), Label33->geometry().bottom() + 12);
}

void TimesTablePanel::focus_row(int row) {
    if (row < 0 || row >= shown_rows()) return;
    QLineEdit* e = Edit[static_cast<size_t>(row)];
    e->setFocus();
    e->end(false);
}

void TimesTablePanel::answer_changed(int row) {
    if (row >= shown_rows()) return;
    // As soon as the answer is complete the next field takes the typing.
    if (TimesTableRound::answer_right(Edit[static_cast<size_t>(row)]->text(),
                                      round_.row(row).product()))
        next_field();
}

void TimesTablePanel::previous_field() {
    if (shown_rows() == 0) return;
    const int row = focused_row();
    focus_row(row <= 0 ? shown_rows() - 1 : row - 1);
}

void TimesTablePanel::next_field() {
    if (shown_rows() == 0) return;
    const int row = focused_row();
    focus_row(row < 0 || row + 1 >= shown_rows() ? 0 : row + 1);
}

void TimesTablePanel::screen_key(const QByteArray& codes) {
    if (!input_enabled_ || shown_rows() == 0) return;
    if (focused_row() < 0) focus_row(0);
    send_keys(codes);
}

bool TimesTablePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            for (int i = 0; i < shown_rows(); ++i) {
                if (watched != Edit[static_cast<size_t>(i)]) continue;
                // Enter moves on; in the tenth row only a right answer does.
                const bool last = i == TimesTableRound::kMostRows - 1;
                if (!last || TimesTableRound::answer_right(Edit[static_cast<size_t>(i)]->text(),
                                                           round_.row(i).product()))
                    next_field();
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace cifrala
