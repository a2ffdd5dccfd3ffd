#pragma once
// The menu's building blocks.
#include <QGroupBox>
#include <QPushButton>

namespace cifrala {

// A group of the menu: a framed card with its title in the frame. The whole
// card is opaque, the strip above the frame beside the title included, so
// that a deeper group hides the buttons of the one beneath it.
class MenuGroupBox : public QGroupBox {
    Q_OBJECT
public:
    MenuGroupBox(const QString& title, const QColor& background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

// A menu button: its caption on one line when it fits, else wrapped onto
// more lines at the same font size.
class MenuButtonWidget : public QPushButton {
    Q_OBJECT
public:
    MenuButtonWidget(const QString& caption, QWidget* parent);

    // The room the caption has on the button.
    QRect caption_rect() const;
    // True when the caption does not fit on one line and is wrapped.
    bool wraps() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The font size of every menu button, in pixels: every caption of both
// languages fits on one line at it (tests/app check this).
inline constexpr int kMenuButtonFontPixels = 14;

}  // namespace cifrala
