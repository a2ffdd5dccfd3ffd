// The lens window's group "Lenzenformule": the ray diagram on its own
// surface, the live values of v, b and f below it and the buttons that
// zoom, move the view and nudge the object and the focal point.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QToolButton>

#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/lens/lens_form.h"
#include "practice/lens/lens_style.h"
#include "practice/lens/lens_texts.h"
#include "text/help.h"

namespace cifrala {

using namespace lens_tags;

namespace {

constexpr int kDiagramWidth = 537, kDiagramHeight = 281;
constexpr int kMargin = 8;
constexpr int kGroupWidth = kDiagramWidth + 2 * kMargin;
constexpr int kDiagramTop = 24;
constexpr int kLabelsTop = kDiagramTop + kDiagramHeight + 4;
constexpr int kButtonsTop = kLabelsTop + 24;
constexpr int kButtonSize = 26;
constexpr int kGroupHeight = kButtonsTop + kButtonSize + 8;
constexpr int kGroupLeft = 448, kGroupTop = 190;
constexpr double kNudge = 0.1;
constexpr double kZoomStep = 1.1;
constexpr int kRepeatDelay = 300, kRepeatInterval = 40;

}  // namespace

QToolButton* TLenzenForm::nudge_button(const QString& name, const QString& glyph, int tag,
                                       std::function<void()> action) {
    QToolButton* b = make_text_button(GroupBox2, name, glyph);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(kRepeatDelay);
    b->setAutoRepeatInterval(kRepeatInterval);
    connect(b, &QToolButton::clicked, this, [this, action = std::move(action)] {
        action();
        redraw_diagram();
    });
    register_text(b, TextKind::HintOnly, tag, true);
    return b;
}

void TLenzenForm::create_group() {
    GroupBox2 = add_floating_panel(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(kGroupLeft, kGroupTop, kGroupWidth, kGroupHeight);
    GroupBox2->set_hide_on_double_click(true);
    fill_practice_yellow(GroupBox2);
    SpeedButton3 = GroupBox2->hide_button();
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    GroupCaption = make_label(GroupBox2, QStringLiteral("GroupBox2Caption"),
                              QStringLiteral("Lenzenformule"), 10);
    GroupCaption->setGeometry(kMargin, 3, 300, 18);
    GroupCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    register_text(GroupCaption, TextKind::GroupBox, kTitle);

    SpeedButton10 = make_text_button(GroupBox2, QStringLiteral("SpeedButton10"), QString());
    SpeedButton10->setIcon(copy_button->icon());
    SpeedButton10->setIconSize(QSize(14, 14));
    SpeedButton10->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SpeedButton10->setGeometry(kGroupWidth - 46, 2, 20, 20);
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButton10Click(); });
    register_text(SpeedButton10, TextKind::HintOnly, practice_tags::kCopy, true);

    Image2 = add_pane(SurfaceRole::Second, QStringLiteral("Image2"),
                      QSize(kDiagramWidth, kDiagramHeight), lenzen_diagram_style(), GroupBox2);
    Image2->move(kMargin, kDiagramTop);
    Image2->surface().clearimage();
    connect(Image2, &SurfacePane::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton) Image2MouseDown(p);
    });
    connect(Image2, &SurfacePane::mouseMoved, this, [this](QPoint p, Qt::MouseButtons held) {
        if (held & Qt::LeftButton) Image2MouseMove(p);
    });
    connect(Image2, &SurfacePane::mouseReleased, this, [this] { Image2MouseUp(); });

    int x = kMargin;
    for (QLabel** l : {&Label4, &Label5, &Label6}) {
        *l = make_label(GroupBox2, QString(), QString(), 11);
        (*l)->setWordWrap(false);
        (*l)->setGeometry(x, kLabelsTop, 170, 20);
        x += 180;
    }
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6->setObjectName(QStringLiteral("Label6"));

    LensDiagram& d = diagram_;
    // "Zoom in" shows less of the world (the picture grows), "Zoom out" more.
    SpeedButton7 = nudge_button(QStringLiteral("SpeedButton7"), QStringLiteral("−"), kZoomOut,
                                [&d] { d.zoom(kZoomStep); });
    SpeedButton8 = nudge_button(QStringLiteral("SpeedButton8"), QStringLiteral("+"), kZoomIn,
                                [&d] { d.zoom(1 / kZoomStep); });
    SpeedButton7->setAutoRepeat(false);
    SpeedButton8->setAutoRepeat(false);
    ProSpeedButton1 = nudge_button(QStringLiteral("ProSpeedButton1"), QStringLiteral("←"), kPanLeft,
                                   [&d] { d.pan(-1, 0); });
    ProSpeedButton2 = nudge_button(QStringLiteral("ProSpeedButton2"), QStringLiteral("→"),
                                   kPanRight, [&d] { d.pan(1, 0); });
    ProSpeedButton3 = nudge_button(QStringLiteral("ProSpeedButton3"), QStringLiteral("↓"), kPanDown,
                                   [&d] { d.pan(0, 1); });
    ProSpeedButton4 = nudge_button(QStringLiteral("ProSpeedButton4"), QStringLiteral("↑"), kPanUp,
                                   [&d] { d.pan(0, -1); });
    ProSpeedButton6 = nudge_button(QStringLiteral("ProSpeedButton6"), QStringLiteral("◁"),
                                   kObjectLeft, [&d] { d.move_object(-kNudge); });
    ProSpeedButton5 = nudge_button(QStringLiteral("ProSpeedButton5"), QStringLiteral("▷"),
                                   kObjectRight, [&d] { d.move_object(kNudge); });
    ProSpeedButton7 = nudge_button(QStringLiteral("ProSpeedButton7"), QStringLiteral("▽"),
                                   kObjectSmaller, [&d] { d.grow_object(-kNudge); });
    ProSpeedButton8 = nudge_button(QStringLiteral("ProSpeedButton8"), QStringLiteral("△"),
                                   kObjectLarger, [&d] { d.grow_object(kNudge); });
    ProSpeedButton15 = nudge_button(QStringLiteral("ProSpeedButton15"), QStringLiteral("F◁"),
                                    kFocusLeft, [&d] { d.move_focus(-kNudge); });
    ProSpeedButton14 = nudge_button(QStringLiteral("ProSpeedButton14"), QStringLiteral("F▷"),
                                    kFocusRight, [&d] { d.move_focus(kNudge); });
    SpeedButton9 = make_text_button(GroupBox2, QStringLiteral("SpeedButton9"),
                                    QStringLiteral("Synchroniseer"));
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { SpeedButton9Click(); });
    register_text(SpeedButton9, TextKind::SpeedButtonWithHint, kSynchronise);

    // Zoom and view; then the object; then the focal point; then synchronise.
    x = kMargin;
    const auto place = [&x](QToolButton* b, int width = kButtonSize, int gap = 2) {
        b->setGeometry(x, kButtonsTop, width, kButtonSize);
        x += width + gap;
    };
    place(SpeedButton7);
    place(SpeedButton8, kButtonSize, 12);
    place(ProSpeedButton1);
    place(ProSpeedButton2);
    place(ProSpeedButton3);
    place(ProSpeedButton4, kButtonSize, 12);
    place(ProSpeedButton6);
    place(ProSpeedButton5);
    place(ProSpeedButton7);
    place(ProSpeedButton8, kButtonSize, 12);
    place(ProSpeedButton15, 34);
    place(ProSpeedButton14, 34, 12);
    place(SpeedButton9, kGroupWidth - kMargin - x);
    GroupBox2->hide();
}

void TLenzenForm::redraw_diagram() {
    diagram_.draw(Image2->surface());
    refresh_labels();
}

void TLenzenForm::refresh_labels() {
    Label4->setText(diagram_.label_text(0));
    Label5->setText(diagram_.label_text(1));
    Label6->setText(diagram_.label_text(2));
}

void TLenzenForm::SpeedButton4Click() {
    SpeedButton9Click();
    GroupBox2->show();
    GroupBox2->raise();
    option_click();
}

void TLenzenForm::SpeedButton9Click() {
    diagram_.synchronise(worker_.exercise, Image2->surface());
    refresh_labels();
    raise_help();
}

void TLenzenForm::SpeedButton10Click() {
    QGuiApplication::clipboard()->setImage(Image2->surface().image());
    raise_help();
}

void TLenzenForm::Image2MouseDown(QPoint pos) {
    picked_ = diagram_.pick(pos);
}

void TLenzenForm::Image2MouseMove(QPoint pos) {
    if (picked_ < 0) return;
    if (diagram_.drag(picked_, pos)) redraw_diagram();
}

void TLenzenForm::Image2MouseUp() {
    picked_ = -1;
}

}  // namespace cifrala
