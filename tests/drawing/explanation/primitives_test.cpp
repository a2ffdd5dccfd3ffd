// The writing primitives of the explanation window, each read back from
// what the surface recorded.
#include <gtest/gtest.h>

#include <climits>

#include "drawing/explanation/tekening_form.h"
#include "formula/display_list.h"

namespace cifrala::testing {
namespace {

class Primitives : public ::testing::Test {
protected:
    void SetUp() override {
        w.init(600, 300);
        w.surface().cursor = {20, 100};
    }
    const DisplayList& list() const { return w.surface().display(); }
    DrawnText text(const QString& t) const {
        const std::vector<DrawnText> found = list().find_texts(t);
        EXPECT_EQ(found.size(), 1u)
            << t.toStdString() << " in " << list().joined_text().toStdString();
        return found.empty() ? DrawnText{} : found.front();
    }
    // The horizontal lines drawn (fraction bars, root bars).
    std::vector<DrawnLine> bars() const {
        std::vector<DrawnLine> out;
        for (const DrawnLine& l : list().lines())
            if (l.from.y() == l.to.y() && l.from.x() != l.to.x()) out.push_back(l);
        return out;
    }
    int x() const { return w.surface().cursor.x; }
    TtekeningForm w;
};

TEST_F(Primitives, TextAndNewline) {
    w.my_textout_2(QStringLiteral("ab"));
    const DrawnText t = text(QStringLiteral("ab"));
    EXPECT_EQ(t.pos, QPoint(20, 100));
    EXPECT_EQ(t.point_size, 18);
    EXPECT_EQ(x(), 20 + t.rect.width());
    w.newline(2);
    EXPECT_EQ(w.surface().cursor.x, 3);
    EXPECT_EQ(w.surface().cursor.y, 170);
}

TEST_F(Primitives, SuperscriptAndSubscript) {
    w.my_textout_2(QStringLiteral("x"));
    w.in_de_machttxt(QStringLiteral("2"));
    w.in_de_subtxt(QStringLiteral("n"));
    const DrawnText x_ = text(QStringLiteral("x")), up = text(QStringLiteral("2")),
                    down = text(QStringLiteral("n"));
    EXPECT_LT(up.point_size, x_.point_size);
    EXPECT_LT(up.pos.y(), x_.pos.y());
    EXPECT_LT(down.point_size, x_.point_size);
    EXPECT_GT(down.pos.y(), x_.pos.y());
    EXPECT_EQ(up.pos.x(), x_.rect.right() + 1);
    EXPECT_EQ(down.pos.x(), up.rect.right() + 1);
    EXPECT_EQ(x(), down.rect.right() + 1);
}

TEST_F(Primitives, IndexAndSequenceTerm) {
    w.rijterm(QStringLiteral("u"), QStringLiteral("k"));
    w.index(QStringLiteral("7"));
    const DrawnText u = text(QStringLiteral("u")), k = text(QStringLiteral("k")),
                    seven = text(QStringLiteral("7"));
    EXPECT_GT(k.pos.y(), u.pos.y());
    EXPECT_EQ(k.pos.y(), seven.pos.y());
    EXPECT_LT(k.point_size, u.point_size);
}

TEST_F(Primitives, StackedFractions) {
    const int next = w.breuktxt(QStringLiteral("12"), QStringLiteral("5"));
    const DrawnText top = text(QStringLiteral("12")), bottom = text(QStringLiteral("5"));
    EXPECT_LT(top.rect.bottom(), bottom.rect.top() + 6);
    ASSERT_EQ(bars().size(), 1u);
    const DrawnLine bar = bars()[0];
    EXPECT_GT(bar.from.y(), top.pos.y());
    EXPECT_LT(bar.from.y(), bottom.rect.bottom());
    EXPECT_LE(bar.from.x(), top.pos.x());
    EXPECT_GE(bar.to.x(), top.rect.right());
    // Centred in the wider piece; the cursor stays, the caller goes on at next.
    EXPECT_NEAR(bottom.rect.center().x(), top.rect.center().x(), 1);
    EXPECT_EQ(x(), 20);
    EXPECT_GT(next, bar.to.x());
    w.surface().cursor.x = next;
    w.breuk(3, 4);
    EXPECT_EQ(text(QStringLiteral("3")).pos.x(), next);
    text(QStringLiteral("4"));
}

TEST_F(Primitives, FractionWithPiInItsNumerator) {
    w.breuktxt_met_pi_in_teller(QStringLiteral("3"), QStringLiteral("4"));
    text(QStringLiteral("3π"));
    w.cleartekening();
    w.breuktxt_met_pi_in_teller(QStringLiteral("1"), QStringLiteral("2"));
    text(QStringLiteral("π"));
}

TEST_F(Primitives, FractionWithAPowerInItsDenominator) {
    w.breuk_met_macht_in_noemer(QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("3"));
    const DrawnText one = text(QStringLiteral("1")), x_ = text(QStringLiteral("x")),
                    three = text(QStringLiteral("3"));
    EXPECT_LT(one.pos.y(), x_.pos.y());
    EXPECT_LT(three.pos.y(), x_.pos.y());
    EXPECT_GT(three.pos.x(), x_.pos.x());
    EXPECT_LT(three.point_size, x_.point_size);
    EXPECT_EQ(bars().size(), 1u);
}

TEST_F(Primitives, FractionsAsExponents) {
    w.my_textout_2(QStringLiteral("a"));
    w.breuktxt_in_de_macht(QStringLiteral("1"), QStringLiteral("2"));
    const DrawnText a = text(QStringLiteral("a")), one = text(QStringLiteral("1"));
    EXPECT_LT(one.pos.y(), a.pos.y());
    EXPECT_LT(one.point_size, a.point_size - 6);
    EXPECT_GT(x(), a.rect.right());
    w.cleartekening();
    w.surface().cursor = {20, 100};
    w.breuk_in_de_machttxt(QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("n"));
    const DrawnText open = text(QStringLiteral("(")), close = text(QStringLiteral(")")),
                    n = text(QStringLiteral("n"));
    EXPECT_LT(open.pos.x(), text(QStringLiteral("p")).pos.x());
    EXPECT_GT(close.pos.x(), text(QStringLiteral("q")).pos.x());
    EXPECT_GT(n.pos.x(), close.pos.x());
    EXPECT_LT(n.pos.y(), close.pos.y());
}

TEST_F(Primitives, RootOverAText) {
    w.worteluittxt(QStringLiteral("ab"), 0.7);
    const DrawnText ab = text(QStringLiteral("ab"));
    ASSERT_EQ(list().polygons().size(), 1u);  // the sign
    const QRect sign = list().polygons()[0].points.boundingRect();
    EXPECT_LT(sign.left(), ab.pos.x());
    EXPECT_EQ(sign.width(), static_cast<int>(std::lround(35 * 0.7)) + 1);  // inclusive
    ASSERT_EQ(bars().size(), 1u);                                          // the bar over the text
    EXPECT_LE(bars()[0].from.x(), ab.pos.x());
    EXPECT_GE(bars()[0].to.x(), ab.rect.right());
    EXPECT_LT(bars()[0].from.y(), ab.pos.y() + 4);
    EXPECT_GT(x(), bars()[0].to.x());
    w.cleartekening();
    w.worteluittxt_in_macht_txt(QStringLiteral("2"));
    EXPECT_LT(text(QStringLiteral("2")).point_size, 18);
    EXPECT_EQ(list().polygons().size(), 1u);
}

TEST_F(Primitives, RootsOverFractions) {
    w.wortelbreuktxt(QStringLiteral("9"), QStringLiteral("16"));
    const DrawnText nine = text(QStringLiteral("9")), sixteen = text(QStringLiteral("16"));
    ASSERT_EQ(list().polygons().size(), 1u);
    ASSERT_EQ(bars().size(), 2u);  // the fraction's and the root's
    int top_bar = INT_MAX;
    for (const DrawnLine& l : bars())
        top_bar = std::min(top_bar, l.from.y());
    EXPECT_LE(top_bar, nine.pos.y());
    EXPECT_LT(nine.pos.y(), sixteen.pos.y());
    w.cleartekening();
    w.wortel_uit_breuk_ab(1, 4);
    text(QStringLiteral("1"));
    text(QStringLiteral("4"));
    EXPECT_EQ(bars().size(), 2u);
    w.cleartekening();
    w.surface().cursor = {20, 100};
    w.tellerwortelbreuktxt(QStringLiteral("3"), QStringLiteral("2"));
    const DrawnText three = text(QStringLiteral("3")), two = text(QStringLiteral("2"));
    EXPECT_LT(three.pos.y(), two.pos.y());
    ASSERT_EQ(list().polygons().size(), 1u);
    EXPECT_LT(list().polygons()[0].points.boundingRect().left(), three.pos.x());
}

TEST_F(Primitives, RootSign) {
    const RootSignEnd end = w.basiswortelteken(50, 60, 1.0);
    ASSERT_EQ(list().polygons().size(), 1u);
    const QPolygon sign = list().polygons()[0].points;
    EXPECT_EQ(sign.first(), QPoint(50, 85));
    EXPECT_EQ(sign.last(), QPoint(85, 60));
    EXPECT_EQ(end.bar_x, 84);
    EXPECT_EQ(end.bar_y, 60);
}

TEST_F(Primitives, SummationSign) {
    w.sigma(QStringLiteral("k=1"), QStringLiteral("n"));
    const DrawnText s = text(QStringLiteral("Σ")), lower = text(QStringLiteral("k=1")),
                    upper = text(QStringLiteral("n"));
    EXPECT_GT(s.point_size, 18);
    EXPECT_LT(upper.pos.y(), s.pos.y() + 4);
    EXPECT_GT(lower.pos.y(), s.pos.y());
    EXPECT_LT(lower.point_size, 18);
    EXPECT_GE(x(), std::max(s.rect.right(), lower.rect.right()));
}

TEST_F(Primitives, SmallSigns) {
    w.bordje(QStringLiteral("A"));
    const DrawnText a = text(QStringLiteral("A"));
    EXPECT_EQ(list().lines().size(), 4u);
    QRect frame;
    for (const DrawnLine& l : list().lines())
        frame = frame.united(QRect(l.from, l.to).normalized());
    EXPECT_TRUE(frame.contains(a.rect.center()));
    EXPECT_GT(x(), frame.right());
    const int before = x();
    w.maal();
    EXPECT_EQ(text(QStringLiteral("·")).pos.x(), before);
    w.my_textoutSymbol(174);
    text(QStringLiteral("→"));
}

}  // namespace
}  // namespace cifrala::testing
