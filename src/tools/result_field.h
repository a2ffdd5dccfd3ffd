#pragma once
// The calculator's result field ("Image1"): the result written on a picture
// in the window's font, never smaller. A result wider than the field scrolls:
// a slim scroll bar appears below the field, and the mouse wheel or dragging
// the field moves the text; a new result starts at its first digit.
#include <QImage>
#include <QString>
#include <QWidget>

class QScrollBar;

namespace cifrala {

class ResultField : public QWidget {
    Q_OBJECT
public:
    // The field at `geometry` in `parent`, its scroll bar just below it.
    ResultField(QWidget* parent, const QRect& geometry);

    // Writes the text (bold, black on white) and shows its start.
    void set_text(const QString& text);
    void clear();

    // The whole picture, as wide as the text needs (at least the field).
    const QImage& picture() const { return picture_; }
    QScrollBar* scroll_bar() const { return bar_; }
    // How far the picture is scrolled to the left.
    int offset() const;
    // True when the whole text fits the field.
    bool fits() const;

    static constexpr int kTextLeft = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QFont text_font() const;

    QImage picture_;
    QScrollBar* bar_;
    int drag_from_ = -1;
};

}  // namespace cifrala
