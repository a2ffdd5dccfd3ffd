#include "practice/roots/roots_card_picture.h"

#include <QJsonArray>
#include <QPainter>
#include <algorithm>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"

namespace cifrala {

namespace {

constexpr int kGap = 4;

}  // namespace

bool paint_card(const RootsCard& card) {
    if (card.topic == 0 || !card.values) return false;
    const ExplanationCard* c = find_explanation_card(card.topic);
    if (!c || !c->paint) return false;
    TtekeningForm* w = explanation_window();
    c->paint(*w, CardRequest{card.topic, card.values()});
    return true;
}

QImage picture_beside(const QImage& left, const QImage& right) {
    QImage out(left.width() + kGap + right.width(), std::max(left.height(), right.height()),
               QImage::Format_RGB32);
    out.fill(QColor(255, 255, 0));
    QPainter p(&out);
    p.drawImage(0, 0, left);
    p.drawImage(left.width() + kGap, 0, right);
    return out;
}

QImage picture_with_card(const QImage& worksheet, const RootsCard& card) {
    if (!paint_card(card)) return worksheet;
    return picture_beside(worksheet, explanation_window()->surface().image());
}

void add_card_description(QJsonObject& o, const RootsCard& card) {
    if (!paint_card(card)) return;
    const Surface& s = explanation_window()->surface();
    o.insert(QStringLiteral("card_topic"), card.topic);
    o.insert(QStringLiteral("card_width"), s.width());
    o.insert(QStringLiteral("card_height"), s.height());
    o.insert(QStringLiteral("card"), QJsonArray::fromStringList(read_line_texts(s.display())));
}

}  // namespace cifrala
