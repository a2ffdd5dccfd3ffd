// What the render mode writes of the metric window: the worksheet with the
// ladder box and the standard-form box where they lie over it, and the
// description of all three.
#include <QFrame>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>

#include "formula/display_json.h"
#include "formula/font_map.h"
#include "formula/surface_pane.h"
#include "practice/metric/metric_form.h"
#include "practice/metric/metric_ladder.h"

namespace cifrala {

namespace {

// A group box as the window shows it: its background, a frame and the
// caption in the frame's top edge.
void draw_box(QPainter& p, const QRect& r, const QString& caption, const QColor& background) {
    p.fillRect(r, background);
    const QFont font = make_font(QStringLiteral("Verdana"), 9, true);
    const QFontMetrics fm(font);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, fm.height() / 2, -1, -1));
    if (caption.isEmpty()) return;
    const QRect text(r.x() + 8, r.y(), fm.horizontalAdvance(caption) + 6, fm.height());
    p.fillRect(text, background);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(text.x() + 3, text.y() + fm.ascent(), caption);
}

void draw_label(QPainter& p, QPoint at, const QLabel* l) {
    p.setFont(l->font());
    p.setPen(Qt::red);
    p.drawText(at.x(), at.y() + QFontMetrics(l->font()).ascent(), l->text());
}

}  // namespace

QImage TMetrieke_stelsel_Form::picture() const {
    QImage out = surface().image().convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    const QPoint sheet = Image1->pos();

    const QRect box = GroupBox2->geometry().translated(-sheet);
    draw_box(p, box, GroupBox2->title(), metric_ladder::kAqua);
    p.drawImage(box.topLeft() + Image2->pos(), Image2->surface().image());
    for (size_t i = 0; i < unit_panels.size(); ++i) {
        if (!unit_panels[i]->isVisibleTo(this)) continue;
        const QPoint panel = box.topLeft() + unit_panels[i]->pos();
        p.fillRect(QRect(panel, unit_panels[i]->size()), metric_ladder::kAqua);
        p.drawImage(panel + unit_images[i]->pos(), unit_images[i]->surface().image());
    }
    draw_label(p, box.topLeft() + Label1->pos(), Label1);
    draw_label(p, box.topLeft() + Label2->pos(), Label2);

    if (GroupBox3->isVisibleTo(this)) {
        const QRect r = GroupBox3->geometry().translated(-sheet);
        draw_box(p, r, GroupBox3->title(), QColor(255, 255, 0));
        p.drawImage(r.topLeft() + Image7->pos(), Image7->surface().image());
    }
    return out;
}

QJsonObject TMetrieke_stelsel_Form::description() const {
    QJsonObject o = surface_to_json(surface());
    o.insert(QStringLiteral("answer_in_blank"), worker_.answer_text());
    o.insert(QStringLiteral("ladder_caption"), GroupBox2->title());
    o.insert(QStringLiteral("ladder"), surface_to_json(Image2->surface()));
    for (size_t i = 0; i < unit_panels.size(); ++i)
        if (unit_panels[i]->isVisibleTo(this))
            o.insert(QStringLiteral("units"), surface_to_json(unit_images[i]->surface()));
    o.insert(QStringLiteral("factor_labels"), QJsonArray{Label1->text(), Label2->text()});
    if (GroupBox3->isVisibleTo(this))
        o.insert(QStringLiteral("standard_form"), worker_.standard_form_text());
    const MetricExercise& e = worker_.exercise();
    o.insert(QStringLiteral("exercise"),
             QJsonObject{{QStringLiteral("quantity"), static_cast<int>(e.quantity)},
                         {QStringLiteral("volume_kind"), static_cast<int>(e.volume_kind)},
                         {QStringLiteral("mantissa"), e.mantissa},
                         {QStringLiteral("exponent"), e.exponent},
                         {QStringLiteral("from"), e.from},
                         {QStringLiteral("to"), e.to}});
    return o;
}

}  // namespace cifrala
