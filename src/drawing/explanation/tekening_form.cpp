#include "drawing/explanation/tekening_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/card_export.h"
#include "drawing/explanation/card_view.h"
#include "drawing/explanation/tekening_style.h"
#include "formula/font_map.h"
#include "text/floating_window.h"
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

// The glyphs of the small buttons, drawn with `draw` on 16 x 16 pixels.
template <typename Draw>
QIcon glyph(Draw draw) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(30, 30, 90), 1));
    g.setBrush(Qt::white);
    draw(g);
    return QIcon(p);
}

// Two overlapping sheets.
QIcon copy_icon() {
    return glyph([](QPainter& g) {
        g.drawRect(1, 1, 9, 10);
        g.drawRect(5, 4, 9, 10);
    });
}

// A floppy disk.
QIcon save_icon() {
    return glyph([](QPainter& g) {
        g.drawRect(1, 1, 13, 13);
        g.setBrush(QColor(30, 30, 90));
        g.drawRect(4, 1, 7, 4);
    });
}

// A house: back home.
QIcon home_icon() {
    return glyph([](QPainter& g) {
        g.drawPolygon(QPolygonF{{8, 1.5}, {14.5, 7.5}, {1.5, 7.5}});
        g.drawRect(3, 7, 10, 7);
    });
}

// The caption and hints in the current language, also when the window is
// created after the last language pass.
void load_texts(TtekeningForm* w) {
    QString lines[2];
    int available = 0;
    const QString file = language_prefix + QStringLiteral("3");
    if (lookup_entry(file, tekening_tags::kCaption, 2, lines, &available) == 0)
        w->setWindowTitle(lines[0]);
    const std::pair<QToolButton*, int> buttons[] = {{w->SpeedButton1, tekening_tags::kCopy},
                                                    {w->SpeedButton2, tekening_tags::kResetView},
                                                    {w->SpeedButton3, tekening_tags::kSave}};
    for (const auto& [button, tag] : buttons) {
        if (lookup_entry(file, tag, 2, lines, &available) == 0)
            button->setToolTip(available >= 2 ? lines[1] : lines[0]);
    }
}

QToolButton* small_button(QWidget* parent, const char* name, const QIcon& icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(21, 21);
    return b;
}

}  // namespace

// A floating window above the practice window that shows it. It never takes
// the keyboard, neither when it is shown nor when it is clicked, so Page Up
// and Page Down keep working in the practice window.
TtekeningForm::TtekeningForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tekeningForm"));
    setWindowTitle(QStringLiteral("Toelichting"));
    setFocusPolicy(Qt::NoFocus);
    if (!instance()) instance() = this;
    floating_ = new FloatingWindow(this, FloatingWindow::Focus::Never);

    SpeedButton1 = small_button(this, "SpeedButton1", copy_icon());
    SpeedButton1->setToolTip(QStringLiteral("Copy"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    SpeedButton2 = small_button(this, "SpeedButton2", home_icon());
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { reset_graph_view(); });
    SpeedButton3 = small_button(this, "SpeedButton3", save_icon());
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { save_card_as(); });
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(make_font(QStringLiteral("verdana"), 9, false));
    Label1->setStyleSheet(
        QStringLiteral("background: rgba(255,255,255,220); color: black; padding: 1px 4px;"));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->hide();
    register_control(TranslatedWindow::Explanation, this, TextKind::Window,
                     tekening_tags::kCaption);
    register_control(TranslatedWindow::Explanation, SpeedButton1, TextKind::HintOnly,
                     tekening_tags::kCopy);
    register_control(TranslatedWindow::Explanation, SpeedButton2, TextKind::HintOnly,
                     tekening_tags::kResetView);
    register_control(TranslatedWindow::Explanation, SpeedButton3, TextKind::HintOnly,
                     tekening_tags::kSave);
    load_texts(this);

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
        Image1 = new CardView(QSize(w, h), tekening_style(), this);
        Image1->setObjectName(QStringLiteral("Image1"));
        Image1->move(0, 0);
        connect(Image1, &SurfacePane::mousePressed, this, [this](QPoint p, Qt::MouseButton b) {
            if (b == Qt::LeftButton) Image1MouseDown(p);
        });
        connect(Image1, &SurfacePane::mouseMoved, this, [this](QPoint p) { Image1MouseMove(p); });
        connect(Image1, &SurfacePane::mouseReleased, this, [this] { Image1MouseUp(); });
        connect(Image1, &CardView::wheelTurned, this,
                [this](QPointF p, int eighths) { Image1MouseWheel(p, eighths); });
        connect(Image1, &CardView::mouseLeft, this, [this] { Label1->hide(); });
    } else {
        Image1->resize_surface(QSize(w, h));
    }
    surface_ = &Image1->surface();
    surface_->stored_line_unit = kLineUnit;
    Image1->show();
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
    fit_window_to_surface();
}

void TtekeningForm::cleartekening() {
    graph_.reset();
    dragging_allowed = false;
    show_graph_controls(false);
    surface_->clearimage();
    surface_->set_font_colour(Qt::black);
}

// The buttons in the card's right margin, one below the other; the
// coordinates in the lower left corner.
void TtekeningForm::fit_window_to_surface() {
    setFixedSize(surface_->width(), surface_->height());
    const int x = surface_->width() - 25;
    SpeedButton1->move(x, 4);
    SpeedButton3->move(x, 29);
    SpeedButton2->move(x, 54);
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(SpeedButton2),
                       static_cast<QWidget*>(SpeedButton3), static_cast<QWidget*>(Label1)})
        w->raise();
}

void TtekeningForm::show_graph_controls(bool shown) {
    SpeedButton2->setVisible(shown);
    if (!shown) Label1->hide();
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
    show_floating(this);  // without activation: the opener keeps the keyboard
}

void TtekeningForm::FormShow() {
    surface_->set_pen_colour(Qt::black);
    if (powers_table_mode || root_notation_mode) {
        if (powers_table_mode) {
            paint_powers_table();
        } else {
            paint_root_notation();
        }
        fit_window_to_surface();
        place_lower_right();
        return;
    }
    const int topic = selection.topic_code;
    const ExplanationCard* card = find_explanation_card(topic);
    if (!card || !card->paint) return;  // no card: nothing drawn, the size stays
    CardRequest request{topic, exercise_ ? exercise_() : QVariantMap{}};
    card->paint(*this, request);
    shown_topic_ = topic;
    fit_window_to_surface();
    if (card->placement == CardPlacement::LowerRight) place_lower_right();
}

// Lower right, 2 pixels from the right edge and 44 from the bottom.
void TtekeningForm::place_lower_right() {
    if (reference_) {
        place_lower_right_of(reference_);
    } else if (opener_) {
        place_lower_right_of(opener_);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        place_in_lower_right(screen->availableGeometry());
    }
}

void TtekeningForm::place_lower_right_of(const QWidget* window) {
    if (window) place_in_lower_right(window->frameGeometry());
}

void TtekeningForm::place_in_lower_right(const QRect& ref) {
    const QSize own = frameGeometry().size().expandedTo(size());
    move(ref.left() + ref.width() - own.width() - 2, ref.top() + ref.height() - own.height() - 44);
}

void TtekeningForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace cifrala
