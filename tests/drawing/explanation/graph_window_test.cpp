// The explanation window around its cards: the powers-table and root-
// notation cards, placement, focus, the graph cards with dragging, zoom,
// panning and the coordinates, saving, and the sharp picture for a
// high-density screen.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "../drawing_checks.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/engine/transform.h"
#include "drawing/explanation/card_export.h"
#include "drawing/explanation/tekening_form.h"
#include "support/number_settings_fixture.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala::testing {
namespace {

// A topic without a card of its own, for the cards these tests register.
constexpr int kTestTopic = 990;

class GraphWindow : public DefaultNumberSettings {
protected:
    void TearDown() override {
        w.powers_table_mode = w.root_notation_mode = false;
        DefaultNumberSettings::TearDown();
    }
    const DisplayList& list() const { return w.surface().display(); }
    bool has_text_containing(const QString& piece) const {
        return list().joined_text().contains(piece);
    }
    TtekeningForm w;
};

TEST_F(GraphWindow, PowersTableCard) {
    w.powers_table_mode = true;
    w.FormShow();
    EXPECT_EQ(w.surface().width(), 420);
    EXPECT_EQ(w.surface().height(), 480);
    EXPECT_FALSE(list().find_texts(msg(tekening_messages::kPowersHeading)).empty());
    for (const char* value : {" = 2", " = 1024", " = 243", " = 625", " = 125"})
        EXPECT_EQ(list().find_texts(QString::fromLatin1(value)).size(), 1u) << value;
    EXPECT_TRUE(list().find_texts(QStringLiteral(" = 729")).empty());   // no 3^6
    EXPECT_TRUE(list().find_texts(QStringLiteral(" = 3125")).empty());  // no 5^5
    // Three columns at 3, 150 and 300.
    EXPECT_EQ(list().find_texts(QStringLiteral("3")).front().pos.x(), 150);
    EXPECT_EQ(list().find_texts(QStringLiteral("5")).front().pos.x(), 300);
    EXPECT_TRUE(texts_off_surface(list(), 420, 480).empty());
}

TEST_F(GraphWindow, RootNotationCard) {
    w.root_notation_mode = true;
    w.FormShow();
    EXPECT_EQ(w.surface().width(), 570);
    EXPECT_EQ(w.surface().height(), 250);
    for (int m : {tekening_messages::kRootHeading, tekening_messages::kRootOddPositive,
                  tekening_messages::kRootNegative})
        EXPECT_FALSE(list().find_texts(msg(m)).empty()) << m;
    EXPECT_TRUE(has_text_containing(QStringLiteral("   x = -")));
    EXPECT_EQ(list().find_texts(QStringLiteral("→")).size(), 2u);
    EXPECT_EQ(list().polygons().size(), 2u);  // two root signs
    EXPECT_TRUE(texts_off_surface(list(), 570, 250).empty());
}

TEST_F(GraphWindow, ShownWithoutTakingTheKeyboard) {
    EXPECT_TRUE(w.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(w.focusPolicy(), Qt::NoFocus);
    for (QToolButton* b : {w.SpeedButton1, w.SpeedButton2, w.SpeedButton3})
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    // Shown for a window, it becomes that window's tool window.
    QWidget opener;
    opener.resize(300, 200);
    opener.show();
    selection.topic_code = 42;
    w.show_for(&opener, [] { return QVariantMap{{QStringLiteral("divisor"), 3}}; });
    EXPECT_EQ(w.parentWidget(), &opener);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isWindow());
    w.hide();
    w.setParent(nullptr, w.windowFlags());
}

TEST_F(GraphWindow, PlacedAtTheLowerRightOfItsReferenceWindow) {
    QWidget reference;
    reference.setGeometry(100, 80, 1000, 700);
    w.set_reference_window(&reference);
    register_explanation_card(kTestTopic,
                              {[](TtekeningForm& t, const CardRequest&) { t.init(300, 200); }});
    selection.topic_code = kTestTopic;
    w.FormShow();
    const QRect ref = reference.frameGeometry();
    const QSize own = w.frameGeometry().size();
    EXPECT_EQ(w.pos(), QPoint(ref.left() + ref.width() - own.width() - 2,
                              ref.top() + ref.height() - own.height() - 44));
    // A card that keeps the window where it is.
    register_explanation_card(
        kTestTopic,
        {[](TtekeningForm& t, const CardRequest&) { t.init(200, 100); }, CardPlacement::Keep});
    w.move(7, 9);
    w.FormShow();
    EXPECT_EQ(w.pos(), QPoint(7, 9));
    w.place_lower_right_of(&reference);
    EXPECT_EQ(w.x(), ref.left() + ref.width() - w.frameGeometry().width() - 2);
    w.set_reference_window(nullptr);
}

// A graph card is a small piece: the card sizes the surface and fills the
// graph's record from the opener's exercise.
TEST_F(GraphWindow, AGraphCardIsASmallRegisteredPiece) {
    register_explanation_card(
        kTestTopic, {[](TtekeningForm& t, const CardRequest& r) {
            t.init(600, 450);
            t.teken_hyperbola({r.exercise.value(QStringLiteral("a")).toDouble(), 1, -1});
        }});
    selection.topic_code = kTestTopic;
    w.show_for(nullptr, [] { return QVariantMap{{QStringLiteral("a"), 3}}; });
    ASSERT_NE(w.graph(), nullptr);
    EXPECT_EQ(w.graph()->figure.points[1].y, 3);  // the centre (q, a)
    EXPECT_FALSE(list().curves().empty());
    EXPECT_TRUE(w.SpeedButton2->isVisible());
    // Showing twice gives the same picture.
    const QImage first = w.surface().image().copy();
    w.show_for(nullptr, [] { return QVariantMap{{QStringLiteral("a"), 3}}; });
    EXPECT_EQ(w.surface().image(), first);
    w.hide();
    // A text card has no graph and no button for the view.
    w.init(200, 100);
    EXPECT_EQ(w.graph(), nullptr);
    EXPECT_FALSE(w.SpeedButton2->isVisibleTo(&w));
}

TEST_F(GraphWindow, DraggingAPointWithTheMouse) {
    w.init(600, 450);
    w.teken_lijnformule({-2, -1, 3, 2});
    ASSERT_TRUE(w.dragging_allowed);
    Figure& f = w.graph()->figure;
    const QPoint a = f.points[2].surface.toPoint();
    w.Image1MouseDown(a + QPoint(3, 2));  // within 10 pixels of A
    EXPECT_EQ(w.picked_point, 2);
    const QPoint to = world_to_surface(f, 0, -1.5).toPoint();
    w.Image1MouseMove(to);
    w.Image1MouseUp();
    EXPECT_EQ(w.picked_point, -1);
    const QPointF moved = surface_to_world(f, QPointF(to));
    EXPECT_NEAR(f.points[2].x, moved.x(), 1e-9);
    EXPECT_NEAR(f.points[2].y, moved.y(), 1e-9);
    // The slope triangle's corner follows A and the differences are new.
    EXPECT_DOUBLE_EQ(f.points[4].y, f.points[2].y);
    EXPECT_FALSE(list().joined_text().contains(QStringLiteral("2-(-1)=3")));
    EXPECT_TRUE(list().joined_text().contains(QStringLiteral("3-") + format_real(f.points[2].x)));
    EXPECT_LE(distance_to_curve(list(), 1, f.points[2].surface), 1.0);
    // Far from every point the mouse moves the view instead.
    const QPointF origin = f.origin;
    w.Image1MouseDown(QPoint(590, 10));
    EXPECT_EQ(w.picked_point, -1);
    w.Image1MouseMove(QPoint(570, 30));
    w.Image1MouseUp();
    EXPECT_EQ(f.origin, origin + QPointF(-20, 20));
    // The coordinates under the mouse.
    EXPECT_TRUE(w.Label1->isVisibleTo(&w));
    const QPointF under = surface_to_world(f, QPointF(570, 30));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("x = ") + format_real(under.x()) +
                                    QStringLiteral("   y = ") + format_real(under.y()));
}

TEST_F(GraphWindow, NoDraggingWhereTheGraphForbidsIt) {
    w.init(800, 600);
    w.teken_wortelongelijkheid({2, 1, 4, 1, -1, Relation::LessOrEqual});
    EXPECT_FALSE(w.dragging_allowed);
    Figure& f = w.graph()->figure;
    const double x = f.points[1].x;
    w.Image1MouseDown(f.points[1].surface.toPoint());
    EXPECT_EQ(w.picked_point, -1);
    w.Image1MouseUp();
    EXPECT_EQ(f.points[1].x, x);
}

TEST_F(GraphWindow, WheelZoomAndBackToTheCardsView) {
    w.init(600, 450);
    w.teken_parabool({1, 2, 1, -2});
    Figure& f = w.graph()->figure;
    const QPointF mouse(200, 150);
    const QPointF under = surface_to_world(f, mouse);
    const double span = f.axes[0].hi - f.axes[0].lo;
    w.Image1MouseWheel(mouse, 120);
    EXPECT_NEAR(f.axes[0].hi - f.axes[0].lo, span / kZoomPerNotch, 1e-9);
    EXPECT_NEAR(surface_to_world(f, mouse).x(), under.x(), 1e-9);
    EXPECT_NEAR(surface_to_world(f, mouse).y(), under.y(), 1e-9);
    // The curve is drawn again over the new window.
    EXPECT_FALSE(list().curves().empty());
    w.Image1MouseWheel(mouse, -240);
    EXPECT_NEAR(f.axes[0].hi - f.axes[0].lo, span * kZoomPerNotch, 1e-9);
    w.SpeedButton2->click();
    EXPECT_NEAR(f.axes[0].hi - f.axes[0].lo, span, 1e-9);
    EXPECT_EQ(f.origin, w.graph()->figure.origin);
    const QImage home = w.surface().image().copy();
    w.teken_parabool({1, 2, 1, -2});
    EXPECT_EQ(w.surface().image(), home);
}

TEST_F(GraphWindow, SavedAsPngAndSvg) {
    w.init(400, 300);
    w.teken_sinusoide({2, 1, 1, 0, 1, true, 0, false});
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("card.png"));
    const QString svg = dir.filePath(QStringLiteral("card.svg"));
    ASSERT_TRUE(save_card(w.surface(), png));
    ASSERT_TRUE(save_card(w.surface(), svg));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32),
              w.surface().image().convertToFormat(QImage::Format_RGB32));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("viewBox=\"0 0 400 300\""));
    EXPECT_TRUE(text.contains("<polyline") || text.contains("<path"));
    EXPECT_FALSE(save_card(w.surface(), QString()));
    EXPECT_FALSE(save_card(w.surface(), dir.filePath(QStringLiteral("no/such/folder/x.png"))));
}

TEST_F(GraphWindow, SharpOnAHighDensityScreen) {
    w.init(300, 200);
    w.teken_parabool({1, 1, 0, 0});
    const QImage sharp = render_at_ratio(w.surface(), 2);
    EXPECT_EQ(sharp.size(), QSize(600, 400));
    EXPECT_EQ(sharp.devicePixelRatio(), 2);
    // The vertex dot is where it is on the surface, at twice the pixels.
    const QPointF t = w.graph()->figure.points[1].surface;
    EXPECT_EQ(sharp.pixelColor((t * 2).toPoint()), w.surface().image().pixelColor(t.toPoint()));
    // Both pictures hold the same texts: compare the share of dark pixels.
    const auto dark = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100) ++n;
        return static_cast<double>(n) / (image.width() * image.height());
    };
    EXPECT_NEAR(dark(sharp), dark(w.surface().image()), 0.01);
}

}  // namespace
}  // namespace cifrala::testing
