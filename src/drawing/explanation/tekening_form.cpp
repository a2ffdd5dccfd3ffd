#include "drawing/explanation/tekening_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_style.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/translation.h"
#include "util/selection.h"

namespace cifrala {

namespace {

QPointer<TtekeningForm>& instance() {
    static QPointer<TtekeningForm> w;
    return w;
}

constexpr int kLineUnit = 35;
constexpr int kStartWidth = 400;
constexpr int kStartHeight = 300;

// Two overlapping sheets: the copy glyph.
QIcon copy_icon() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(QPen(QColor(30, 30, 90), 1));
    g.setBrush(Qt::white);
    g.drawRect(1, 1, 9, 10);
    g.drawRect(5, 4, 9, 10);
    return QIcon(p);
}

// The caption and hints in the current language, also when the window is
// created after the last language pass.
void load_texts(TtekeningForm* w, QToolButton* copy) {
    QString lines[2];
    int available = 0;
    const QString file = language_prefix + QStringLiteral("3");
    if (lookup_entry(file, tekening_tags::kCaption, 2, lines, &available) == 0)
        w->setWindowTitle(lines[0]);
    if (lookup_entry(file, tekening_tags::kCopy, 2, lines, &available) == 0)
        copy->setToolTip(available >= 2 ? lines[1] : lines[0]);
}

}  // namespace

TtekeningForm::TtekeningForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("tekeningForm"));
    setWindowTitle(QStringLiteral("Toelichting"));
    if (!instance()) instance() = this;

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(copy_icon());
    SpeedButton1->setToolTip(QStringLiteral("Copy"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setFixedSize(21, 21);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    register_control(TranslatedWindow::Explanation, this, TextKind::Window,
                     tekening_tags::kCaption);
    register_control(TranslatedWindow::Explanation, SpeedButton1, TextKind::HintOnly,
                     tekening_tags::kCopy);
    load_texts(this, SpeedButton1);

    make_surface(kStartWidth, kStartHeight);
    move(260, 410);
}

TtekeningForm::~TtekeningForm() = default;

TtekeningForm* explanation_window() {
    if (!instance()) new TtekeningForm(nullptr);
    return instance();
}

void hide_explanation_window() {
    if (instance()) instance()->hide();
}

bool explanation_window_visible() {
    return instance() && instance()->isVisible();
}

// --- surface ---

void TtekeningForm::make_surface(int w, int h) {
    if (!Image1) {
        Image1 = new SurfacePane(QSize(w, h), tekening_style(), this);
        Image1->setObjectName(QStringLiteral("Image1"));
        Image1->move(0, 0);
        connect(Image1, &SurfacePane::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
            if (b == Qt::LeftButton) Image1MouseDown(p);
        });
        connect(Image1, &SurfacePane::mouseMoved, this, [this](QPoint p) { Image1MouseMove(p); });
        connect(Image1, &SurfacePane::mouseReleased, this, [this] { Image1MouseUp(); });
    } else {
        Image1->resize_surface(QSize(w, h));
    }
    surface_ = &Image1->surface();
    surface_->stored_line_unit = kLineUnit;
    Image1->show();
    SpeedButton1->raise();
    cleartekening();
    fit_window_to_surface();
}

void TtekeningForm::init(int w, int h) {
    w = std::max(1, w);
    h = std::max(1, h);
    if (surface_->width() != w || surface_->height() != h) make_surface(w, h);
    surface_->set_pen(1, Qt::black);
    cleartekening();
    surface_->stored_line_unit = kLineUnit;
    dragging_allowed = false;
    fit_window_to_surface();
}

void TtekeningForm::cleartekening() {
    surface_->clearimage();
    surface_->set_font_colour(Qt::black);
}

void TtekeningForm::fit_window_to_surface() {
    setFixedSize(surface_->width(), surface_->height());
    SpeedButton1->move(surface_->width() - 25, 4);
    SpeedButton1->raise();
}

void TtekeningForm::SpeedButton1Click() {
    QGuiApplication::clipboard()->setImage(surface_->image());
}

// --- showing ---

void TtekeningForm::reparent_to(QWidget* owner) {
    if (!owner || parentWidget() == owner) return;
    const QPoint at = pos();
    const bool visible = isVisible();
    setParent(owner, windowFlags());
    move(at);
    if (visible) show();
}

void TtekeningForm::show_for(QWidget* opener, ExerciseSource exercise) {
    opener_ = opener;
    exercise_ = std::move(exercise);
    reparent_to(opener);
    FormShow();
    show();
    raise();
}

void TtekeningForm::FormShow() {
    surface_->set_pen_colour(Qt::black);
    const int topic = selection.topic_code;
    const ExplanationCard* card = find_explanation_card(topic);
    if (!card || !card->paint) return;  // no card: nothing drawn, the size stays
    CardRequest request{topic, exercise_ ? exercise_() : QVariantMap{}};
    card->paint(*this, request);
    shown_topic_ = topic;
    fit_window_to_surface();
    if (card->placement == CardPlacement::LowerRight) place_lower_right();
}

void TtekeningForm::place_lower_right() {
    QRect ref;
    if (reference_) {
        ref = reference_->frameGeometry();
    } else if (opener_) {
        ref = opener_->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        ref = screen->availableGeometry();
    } else {
        return;
    }
    const QSize own = frameGeometry().size().expandedTo(size());
    move(ref.left() + ref.width() - own.width() - 2, ref.top() + ref.height() - own.height() - 44);
}

void TtekeningForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

// --- mouse ---

void TtekeningForm::Image1MouseDown(QPoint) {
    mouse_down = true;
    if (!dragging_allowed) picked_point = -1;
}

void TtekeningForm::Image1MouseMove(QPoint) {
    // Points are moved only on the figures of the graph cards.
}

void TtekeningForm::Image1MouseUp() {
    mouse_down = false;
    picked_point = -1;
}

}  // namespace cifrala
