#include "practice/roots/game_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "formula/font_map.h"
#include "practice/common/practice_texts.h"
#include "practice/roots/game_rules.h"
#include "practice/roots/roots_texts.h"
#include "text/translation.h"

namespace cifrala {

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
constexpr int kNumberPoints = 48;
constexpr int kTickMs = 100;

// The sum's row and the operator panels around its two places.
constexpr int kSumTop = 150;
constexpr int kSumHeight = 90;
const QRect kPlaceRed(200, kSumTop, 80, kSumHeight);
const QRect kPlaceBlue(400, kSumTop, 80, kSumHeight);
constexpr int kButton = 54;
// The feedback and the column at the right.
const QRect kFeedback(20, 390, 745, 320);
constexpr int kSideX = 780;
constexpr int kSideWidth = 230;

void colour_text(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void fill(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
}

QLabel* big_label(QWidget* parent, const QString& name, const QString& text, QRect where,
                  Qt::Alignment align = Qt::AlignCenter) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(make_font(QStringLiteral("Verdana"), kNumberPoints, true));
    l->setAlignment(align);
    l->setGeometry(where);
    return l;
}

void translate(QWidget* c, TextKind kind, int tag) {
    register_control(TranslatedWindow::Roots, c, kind, tag);
}

// An arrow from an operator panel to its place.
class ArrowMark : public QWidget {
public:
    ArrowMark(QWidget* parent, QColor colour, bool down)
        : QWidget(parent), colour_(colour), down_(down) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int mid = width() / 2;
        const int head = std::min(18, height() / 2);
        const int tip = down_ ? height() - 1 : 0;
        const int tail = down_ ? 0 : height() - 1;
        const int base = down_ ? tip - head : tip + head;
        p.setPen(QPen(colour_, 5));
        p.drawLine(mid, tail, mid, base);
        p.setPen(Qt::NoPen);
        p.setBrush(colour_);
        p.drawPolygon(QPolygon({QPoint(mid, tip), QPoint(mid - 12, base), QPoint(mid + 12, base)}));
    }

private:
    QColor colour_;
    bool down_;
};

}  // namespace

GamePanel::GamePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel5"));
    setFrameStyle(QFrame::NoFrame);
    fill(this, QColor(0, 255, 255));
    setFont(make_font(QStringLiteral("Verdana"), 9, false));
    create_sum();
    create_operator_panels();
    create_side();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    hide();
}

void GamePanel::create_sum() {
    Label6 = big_label(this, QStringLiteral("Label6"), QString(),
                       QRect(40, kSumTop, 150, kSumHeight), Qt::AlignRight | Qt::AlignVCenter);
    Label11 = big_label(this, QStringLiteral("Label11"), QStringLiteral("?"), kPlaceRed);
    Label7 = big_label(this, QStringLiteral("Label7"), QString(),
                       QRect(kPlaceRed.right() + 5, kSumTop, 110, kSumHeight));
    Label12 = big_label(this, QStringLiteral("Label12"), QStringLiteral("?"), kPlaceBlue);
    Label8 = big_label(this, QStringLiteral("Label8"), QString(),
                       QRect(kPlaceBlue.right() + 5, kSumTop, 110, kSumHeight));
    Label10 = big_label(this, QStringLiteral("Label10"), QStringLiteral("="),
                        QRect(Label8->geometry().right() + 5, kSumTop, 60, kSumHeight));
    Label9 = big_label(this, QStringLiteral("Label9"), QString(),
                       QRect(Label10->geometry().right() + 10, kSumTop, 300, kSumHeight),
                       Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* place : {Label11, Label12}) {
        QFont f = place->font();
        f.setItalic(true);
        place->setFont(f);
    }
    colour_text(Label11, kRed);
    colour_text(Label12, kBlue);

    int n = 9;
    for (QRect where : {kPlaceRed, kPlaceBlue}) {
        auto* chosen = new QToolButton(this);
        chosen->setObjectName(QStringLiteral("Panel%1").arg(n++));
        chosen->setFont(make_font(QStringLiteral("Verdana"), kNumberPoints, true));
        chosen->setGeometry(where.adjusted(4, 6, -4, -6));
        chosen->setFocusPolicy(Qt::NoFocus);
        chosen->setAutoRaise(false);
        fill(chosen, where == kPlaceRed ? kRed : kBlue);
        colour_text(chosen, Qt::white);
        chosen->setStyleSheet(QStringLiteral("QToolButton { background: %1; color: white; "
                                             "border: 2px solid black; }")
                                  .arg((where == kPlaceRed ? kRed : kBlue).name()));
        translate(chosen, TextKind::HintOnly, game_tags::kChosenOperator);
        chosen->hide();
        (where == kPlaceRed ? Panel9 : Panel10) = chosen;
    }
}

void GamePanel::create_operator_panels() {
    const QString captions[4] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"),
                                 QStringLiteral("÷")};
    int number = 16;
    for (int place = 0; place < 2; ++place) {
        auto* panel = new QFrame(this);
        panel->setObjectName(place == 0 ? QStringLiteral("Panel6") : QStringLiteral("Panel7"));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        fill(panel, place == 0 ? kRed : kBlue);
        const QRect at = place == 0 ? kPlaceRed : kPlaceBlue;
        const int width = 4 * (kButton + 4) + 4;
        const int top = place == 0 ? 20 : kSumTop + kSumHeight + 80;
        panel->setGeometry(at.center().x() - width / 2, top, width, kButton + 8);
        translate(panel, TextKind::HintOnly,
                  place == 0 ? game_tags::kRedOperators : game_tags::kBlueOperators);
        for (int op = 0; op < 4; ++op) {
            auto* b = new QToolButton(panel);
            b->setObjectName(QStringLiteral("SpeedButton%1").arg(number++));
            b->setText(captions[op]);
            b->setFont(make_font(QStringLiteral("Verdana"), 26, true));
            b->setGeometry(4 + op * (kButton + 4), 4, kButton, kButton);
            b->setFocusPolicy(Qt::NoFocus);
            operators_[static_cast<size_t>(place)][static_cast<size_t>(op)] = b;
        }
        (place == 0 ? Panel6 : Panel7) = panel;
        // The arrow from the panel to its place.
        const int x = at.center().x() - 15;
        auto* arrow = new ArrowMark(this, place == 0 ? kRed : kBlue, place == 0);
        arrow->setObjectName(place == 0 ? QStringLiteral("Arrow1") : QStringLiteral("Arrow2"));
        if (place == 0) {
            arrow->setGeometry(x, top + kButton + 12, 30, kSumTop - (top + kButton + 12) - 4);
        } else {
            arrow->setGeometry(x, kSumTop + kSumHeight + 4, 30, top - (kSumTop + kSumHeight) - 8);
        }
    }
    SpeedButton16 = operators_[0][0];
    SpeedButton17 = operators_[0][1];
    SpeedButton18 = operators_[0][2];
    SpeedButton19 = operators_[0][3];
    SpeedButton20 = operators_[1][0];
    SpeedButton21 = operators_[1][1];
    SpeedButton22 = operators_[1][2];
    SpeedButton23 = operators_[1][3];

    Panel8 = new QFrame(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fill(Panel8, QColor(191, 205, 219));
    Panel8->setGeometry(10, 10, kFeedback.right() - 10, kFeedback.top() - 12);
}

void GamePanel::create_side() {
    Label15 = new QLabel(this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setFont(make_font(QStringLiteral("Verdana"), kNumberPoints, false));
    Label15->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label15->setGeometry(kFeedback);

    GroupBox8 = new QGroupBox(QStringLiteral("Score"), this);
    GroupBox8->setObjectName(QStringLiteral("GroupBox8"));
    fill(GroupBox8, QColor(144, 238, 144));
    GroupBox8->setGeometry(kSideX, 390, kSideWidth, 84);
    translate(GroupBox8, TextKind::GroupBox, game_tags::kScoreGroup);
    Label17 = new QLabel(GroupBox8);
    Label17->setObjectName(QStringLiteral("Label17"));
    Label16 = new QLabel(GroupBox8);
    Label16->setObjectName(QStringLiteral("Label16"));
    for (QLabel* l : {Label17, Label16})
        l->setFont(make_font(QStringLiteral("Verdana"), 11, true));
    Label17->setGeometry(10, 22, kSideWidth - 16, 24);
    Label16->setGeometry(10, 50, kSideWidth - 16, 24);

    SpeedButton24 = new QToolButton(this);
    SpeedButton24->setObjectName(QStringLiteral("SpeedButton24"));
    SpeedButton24->setText(QStringLiteral("Volgende oefening"));
    SpeedButton24->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton24->setFont(make_font(QStringLiteral("Verdana"), 11, true));
    SpeedButton24->setFocusPolicy(Qt::NoFocus);
    SpeedButton24->setGeometry(kSideX, 482, kSideWidth, 36);
    translate(SpeedButton24, TextKind::SpeedButtonWithHint, game_tags::kNextExercise);

    auto group = [this](const QString& name, const QString& title, int x, int width,
                        std::array<QRadioButton*, 3>& buttons, const QString& names,
                        const QStringList& captions, int first_tag, int checked) {
        auto* g = new QGroupBox(title, this);
        g->setObjectName(name);
        g->setGeometry(x, 526, width, 86);
        auto* column = new QVBoxLayout(g);
        column->setContentsMargins(6, 2, 2, 2);
        column->setSpacing(0);
        for (int i = 0; i < 3; ++i) {
            auto* r = new QRadioButton(captions[i], g);
            r->setObjectName(names.arg(i + 1));
            r->setFocusPolicy(Qt::NoFocus);
            column->addWidget(r);
            translate(r, TextKind::RadioButton, first_tag + i);
            buttons[static_cast<size_t>(i)] = r;
        }
        buttons[static_cast<size_t>(checked)]->setChecked(true);
        return g;
    };
    GroupBox7 =
        group(QStringLiteral("GroupBox7"), QStringLiteral("Niveau"), kSideX, 112, level_buttons,
              QStringLiteral("RadioButton%1Game"),
              {QStringLiteral("Eenvoudig"), QStringLiteral("Gevorderd"), QStringLiteral("Expert")},
              practice_tags::kLevel1, 0);
    translate(GroupBox7, TextKind::GroupBox, practice_tags::kLevelGroup);
    GroupBox9 = group(QStringLiteral("GroupBox9"), QStringLiteral("Tijdcontrole"), kSideX + 116,
                      kSideWidth - 116, clock_buttons, QStringLiteral("RadioButton%1Clock"),
                      {QStringLiteral("Geen"), QStringLiteral("Kort"), QStringLiteral("Lang")},
                      game_tags::kNoClock, 1);
    translate(GroupBox9, TextKind::GroupBox, game_tags::kClockGroup);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(kSideX, 622, kSideWidth, 22);
    set_bar_colour(clock_colour(0, 1));

    button3 = new QPushButton(QStringLiteral("Stop"), this);
    button3->setObjectName(QStringLiteral("button3"));
    button3->setAutoDefault(false);
    button3->setGeometry(934, 684, 76, 32);
}

QToolButton* GamePanel::operator_button(int place, int op) const {
    const size_t row = place == 0 ? 0 : 1;
    const size_t column = op <= 0 ? 0 : op >= 3 ? 3 : static_cast<size_t>(op);
    return operators_[row][column];
}

int GamePanel::level() const {
    for (int i = 2; i > 0; --i)
        if (level_buttons[static_cast<size_t>(i)]->isChecked()) return i;
    return 0;
}

int GamePanel::clock() const {
    for (int i = 2; i > 0; --i)
        if (clock_buttons[static_cast<size_t>(i)]->isChecked()) return i;
    return 0;
}

void GamePanel::show_feedback(const QString& text, bool right) {
    colour_text(Label15, right ? QColor(0, 128, 0) : kRed);
    int points = kNumberPoints;
    QFont f = make_font(QStringLiteral("Verdana"), points, false);
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto fits = [&](const QFont& font) {
        const QFontMetrics m(font);
        int widest = 0;
        for (const QString& l : lines)
            widest = std::max(widest, m.horizontalAdvance(l));
        return widest <= Label15->width() && m.lineSpacing() * lines.size() <= Label15->height();
    };
    while (points > 8 && !fits(f))
        f = make_font(QStringLiteral("Verdana"), --points, false);
    Label15->setFont(f);
    Label15->setText(text);
}

void GamePanel::set_bar_colour(const QColor& colour) {
    Gauge1->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid grey; background: white; }"
                       "QProgressBar::chunk { background: %1; }")
            .arg(colour.name()));
}

}  // namespace cifrala
