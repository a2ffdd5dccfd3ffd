#include "practice/integers/number_line_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/common/practice_window.h"
#include "practice/integers/integers_style.h"
#include "text/translation.h"

namespace cifrala {

using namespace number_line_messages;

namespace {

const QSize kLineSize(993, 81);
const QSize kCardSize(100, 150);
// The card may come this far over the top of the number line.
constexpr int kOverLine = 10;

QLabel* panel_label(QWidget* parent, const QString& name, int message, int points, QRect where,
                    const QString& colour = QString()) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(make_font(QStringLiteral("Verdana"), points, true));
    l->setWordWrap(true);
    l->setGeometry(where);
    if (!colour.isEmpty()) l->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    set_translated_caption(TranslatedWindow::Integers, l, TextKind::Message, message);
    return l;
}

}  // namespace

NumberLinePanel::NumberLinePanel(QWidget* window, QSize size) : QFrame(window) {
    setObjectName(QStringLiteral("Panel5"));
    resize(size);
    // The window's yellow, over the worksheet.
    fill_practice_yellow(this);
    setMouseTracking(true);

    const int w = size.width();
    Label1 = panel_label(this, QStringLiteral("Label1"), kHowToDrag, 12, QRect(20, 10, w - 40, 44));
    Label2 =
        panel_label(this, QStringLiteral("Label2"), kHowToSwitch, 12, QRect(20, 56, w - 40, 44));
    Label3 = panel_label(this, QStringLiteral("Label3"), kRight, 22, QRect(20, 120, w - 40, 40),
                         QStringLiteral("#008000"));
    Label4 = panel_label(this, QStringLiteral("Label4"), kNotRight, 22, QRect(20, 120, w - 40, 40),
                         QStringLiteral("#d00000"));
    Label5 = panel_label(this, QStringLiteral("Label5"), kTryAgain, 16, QRect(20, 170, w - 40, 34));

    Image2 = new SurfacePane(kLineSize, number_line_style(), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move((w - kLineSize.width()) / 2, size.height() - kLineSize.height());

    Image3 = new SurfacePane(kCardSize, number_card_style(), this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setMouseTracking(true);
    Image3->setCursor(Qt::OpenHandCursor);
    connect(Image3, &SurfacePane::mousePressed, this,
            [this](QPoint p, Qt::MouseButton b) { card_pressed(p, b); });
    connect(Image3, &SurfacePane::mouseMoved, this, [this](QPoint p) { card_moved(p); });
    connect(Image3, &SurfacePane::mouseReleased, this, [this] { card_released(); });

    Panel6 = make_text_button(this, QStringLiteral("Panel6"), QStringLiteral("Switch"));
    Panel6->adjustSize();
    connect(Panel6, &QToolButton::clicked, this, [this] { toggle_display(); });

    prepare();
    hide();
}

void NumberLinePanel::prepare() {
    draw_number_line(Image2->surface());
    for (QWidget* c : std::initializer_list<QWidget*>{Label3, Label4, Label5, Image3, Panel6})
        c->hide();
    anchor_.reset();
}

void NumberLinePanel::new_number() {
    exercise_.draw();
    restart();
}

QPoint NumberLinePanel::card_home() const {
    return QPoint((width() - Image3->width()) / 2, height() / 2);
}

void NumberLinePanel::restart() {
    for (QWidget* c : std::initializer_list<QWidget*>{Label3, Label4, Label5, Panel6})
        c->hide();
    anchor_.reset();
    moved_ = false;
    Image3->move(card_home());
    draw_number_line(Image2->surface());
    draw_number_card(Image3->surface(), exercise_);
    Image3->show();
    Image3->raise();
}

int NumberLinePanel::target_x() const {
    return exercise_.target_on_line(Image2->width()) + Image2->x();
}

int NumberLinePanel::card_point_x() const {
    return Image3->x() + Image3->width() / 2;
}

void NumberLinePanel::toggle_display() {
    exercise_.mixed = !exercise_.mixed;
    draw_number_card(Image3->surface(), exercise_);
}

void NumberLinePanel::card_pressed(QPoint pos, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        toggle_display();
        return;
    }
    if (button != Qt::LeftButton) return;
    if (in_switch_square(pos.x(), pos.y())) {
        toggle_display();
        return;
    }
    if (!exercise_.can_drag()) return;
    anchor_ = pos;
    moved_ = false;
}

void NumberLinePanel::card_moved(QPoint pos) {
    if (!anchor_) {
        // "Switch" stands above the card while the mouse is over its square.
        if (in_switch_square(pos.x(), pos.y())) {
            Panel6->move(Image3->x(), std::max(0, Image3->y() - Panel6->height()));
            Panel6->show();
            Panel6->raise();
        } else {
            Panel6->hide();
        }
        return;
    }
    Panel6->hide();
    const int left =
        std::clamp(Image3->x() + pos.x() - anchor_->x(), 0, std::max(0, width() - Image3->width()));
    // The point may come just over the top of the line, and never above the panel.
    const int lowest = Image2->y() + kOverLine - Image3->height() - 1;
    const int top = std::clamp(Image3->y() + pos.y() - anchor_->y(), 0, std::max(0, lowest));
    if (left != Image3->x() || top != Image3->y()) moved_ = true;
    Image3->move(left, top);
}

void NumberLinePanel::card_released() {
    if (!anchor_) return;
    anchor_.reset();
    // A card that was not dragged, or is left in the upper half, is not judged.
    if (!moved_ || Image3->y() < height() / 2) return;
    moved_ = false;
    judge();
}

void NumberLinePanel::judge() {
    Label5->hide();
    const bool right = exercise_.judge(card_point_x() - Image2->x(), Image2->width());
    Label3->setVisible(right);
    Label4->setVisible(!right);
    if (!right && !exercise_.shows_answer()) Label5->show();
    if (exercise_.shows_answer())
        draw_answer_arrow(Image2->surface(), exercise_.target_on_line(Image2->width()));
}

void NumberLinePanel::mouseMoveEvent(QMouseEvent* event) {
    Panel6->hide();
    QFrame::mouseMoveEvent(event);
}

}  // namespace cifrala
