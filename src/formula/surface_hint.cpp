// The hint line at the bottom of a surface and the speech cloud.
#include <QHash>
#include <QImage>

#include "formula/surface.h"
#include "text/messages.h"
#include "text/program_dir.h"

namespace cifrala {

void Surface::write_hint(const HintStyle& hint, const QString* text, int row) {
    Batch batch(*this);
    const int hint_y = height() - hint.from_bottom - row * line_step(1.0);
    const bool shown = !hints_enabled || hints_enabled();
    if (!shown && !hint.clear_when_hidden) return;
    fill_rect(QRect(0, hint_y, width(), hint.band_height), background());
    if (!shown || text == nullptr) return;
    const int remembered = font_size_;
    if (hint.size > 0) set_font_size(hint.size);
    while (font_size_ > 1 && text_width(*text) + hint.margin > width())
        set_font_size(font_size_ - 1);
    const size_t mark = display_.size();
    text_at(hint.margin, hint_y, *text);
    record(DrawnHint{*text, row, {}}, mark);
    set_font_size(remembered);
}

void Surface::toonhint(int n) {
    toonhint_with(style_.hint, n, 0);
}

void Surface::toonhint(int n, int row) {
    toonhint_with(style_.hint, n, row);
}

void Surface::toonhint_with(const HintStyle& hint, int n, int row) {
    if (n > 0 && (!hints_enabled || hints_enabled())) {
        const QString text = msg(n);
        write_hint(hint, &text, row);
    } else {
        write_hint(hint, nullptr, row);
    }
}

void Surface::toonhinttxt_with(const HintStyle& hint, const QString& text, int row) {
    write_hint(hint, &text, row);
}

void Surface::toonwolk(const std::vector<CloudText>& texts) {
    Batch batch(*this);
    static QHash<QString, QImage> pictures;
    const QString name = QStringLiteral("awolk3.bmp");
    const QString path = data_path(name);
    auto it = pictures.find(path);
    if (it == pictures.end()) it = pictures.insert(path, QImage(path));
    fill_rect(QRect(0, 0, width(), height()), background());
    display_.clear();
    if (!it->isNull()) draw_picture(0, 0, *it, name);
    set_font(FontSpec{QStringLiteral("Verdana"), 24, false, Qt::red});
    for (const CloudText& t : texts) {
        const int size = font_size_;
        if (t.size > 0) set_font_size(t.size);
        text_at(t.x, t.y, t.text);
        set_font_size(size);
    }
}

}  // namespace cifrala
