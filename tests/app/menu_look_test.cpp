// How the menu looks: opaque groups, one button font that fits every caption
// in both languages, and a hint on every button.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>

#include "app/menu_form.h"
#include "app/menu_widgets.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

const QColor kAquaColour(0, 255, 255);

class MenuLookTest : public ::testing::TestWithParam<int> {
protected:
    MenuLookTest() : menu(true) {}
    void SetUp() override {
        language_index = GetParam();
        apply_language();
    }
    void TearDown() override {
        language_index = 0;
        apply_language();
    }
    QList<QPushButton*> buttons() const { return menu.findChildren<QPushButton*>(); }
    TAlle_rekenoefeningenForm menu;
};

TEST_P(MenuLookTest, EveryButtonHasAHint) {
    for (QPushButton* b : buttons()) {
        const QString hint = b->toolTip();
        EXPECT_FALSE(hint.trimmed().isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(hint.startsWith(QStringLiteral("error"))) << b->objectName().toStdString();
    }
}

TEST_P(MenuLookTest, OneFontSizeThatFitsEveryCaption) {
    for (QPushButton* b : buttons()) {
        if (b->text().isEmpty()) continue;  // the help buttons show a picture
        EXPECT_EQ(b->font().pixelSize(), kMenuButtonFontPixels) << b->objectName().toStdString();
        auto* mb = qobject_cast<MenuButtonWidget*>(b);
        ASSERT_NE(mb, nullptr) << b->objectName().toStdString();
        EXPECT_FALSE(mb->wraps()) << b->objectName().toStdString() << " "
                                  << b->text().toStdString();
    }
    // The language group's OK as well.
    EXPECT_EQ(menu.Button1->font().pixelSize(), kMenuButtonFontPixels);
}

// The strip above a group's frame, right of its title, in menu coordinates.
QRect strip_beside_title(const QGroupBox* g) {
    const int title_end = g->x() + 10 + QFontMetrics(g->font()).horizontalAdvance(g->title()) + 24;
    return QRect(title_end, g->y() + 1, g->x() + g->width() - 12 - title_end, 6);
}

// The colours in the rectangle of the picture that are not the menu's aqua.
int foreign_pixels(const QImage& picture, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (QColor(picture.pixel(x, y)) != kAquaColour) ++n;
    return n;
}

TEST_P(MenuLookTest, ADeeperGroupHidesTheButtonsBeneathItsCaption) {
    menu.press(QStringLiteral("SpeedButton25"));  // Rekenen en Algebra over the basic menu
    menu.press(QStringLiteral("SpeedButton1"));   // Basisrekenen over that
    const QImage picture = menu.grab().toImage();
    for (int number : {1, 18}) {
        const QRect strip = strip_beside_title(menu.group(number));
        ASSERT_GT(strip.width(), 20);
        EXPECT_EQ(foreign_pixels(picture, strip), 0) << "group " << number;
    }
}

TEST_P(MenuLookTest, TheSettingsPanelHidesTheMenuBeneathItsCaption) {
    menu.press(QStringLiteral("SpeedButton25"));
    menu.SpeedButton149Click();  // the settings panel
    const QImage picture = menu.grab().toImage();
    EXPECT_EQ(foreign_pixels(picture, strip_beside_title(menu.group(19))), 0);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MenuLookTest, ::testing::Values(0, 1));

TEST(MenuButtonWidget, ALongCaptionWrapsAtTheSameSize) {
    MenuButtonWidget b(QStringLiteral("Een bijzonder lange knoptekst die niet op een regel past"),
                       nullptr);
    QFont f = b.font();
    f.setPixelSize(kMenuButtonFontPixels);
    b.setFont(f);
    b.resize(245, 40);
    EXPECT_TRUE(b.wraps());
    EXPECT_EQ(b.font().pixelSize(), kMenuButtonFontPixels);
    // Two bands of ink, one above the other.
    const QImage picture = b.grab().toImage();
    const QColor background = picture.pixelColor(b.width() / 2, 2);
    std::vector<bool> ink_rows;
    for (int y = 0; y < picture.height(); ++y) {
        bool ink = false;
        for (int x = 10; x < picture.width() - 10; ++x)
            ink = ink || qGray(picture.pixel(x, y)) < qGray(background.rgb()) - 100;
        ink_rows.push_back(ink);
    }
    int bands = 0;
    for (size_t y = 1; y < ink_rows.size(); ++y)
        if (ink_rows[y] && !ink_rows[y - 1]) ++bands;
    EXPECT_EQ(bands, 2);
    b.setText(QStringLiteral("Kort"));
    EXPECT_FALSE(b.wraps());
}

}  // namespace
}  // namespace cifrala
