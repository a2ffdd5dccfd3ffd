#pragma once
// What a surface shows as a JSON document: its size, every item of its
// display list in drawing order (kind, position, texts), the lines as the
// pupil reads them, the hint and the last line (the answer) as text.
#include <QJsonArray>
#include <QJsonObject>
#include <QSize>

#include "formula/display_list.h"

namespace cifrala {

class Surface;

QJsonObject surface_to_json(const Surface& surface);
// The same for a display list drawn on a picture of the given size.
QJsonObject display_to_json(const DisplayList& display, QSize size);

// The items of a figure on their own, for tools that check a drawn graph
// without reading its pixels:
// {"kind":"curve","function":1,"colour":"#dc0000","width":2,"points":[[x,y],...]}
QJsonObject drawn_item_json(const DrawnCurve& c);
// {"kind":"point","name":"T","x":..,"y":..,"radius":3,"colour":"#000000"}
QJsonObject drawn_item_json(const DrawnPoint& p);
// {"kind":"circle","x":..,"y":..,"radius_x":..,"radius_y":..,"colour":..,"width":1}
QJsonObject drawn_item_json(const DrawnCircle& c);
// Every curve, point and circle of the list, in drawing order.
QJsonArray figure_items_json(const DisplayList& list);

}  // namespace cifrala
