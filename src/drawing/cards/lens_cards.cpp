#include "drawing/cards/lens_cards.h"

#include <QDir>
#include <QImage>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/program_dir.h"

namespace cifrala {

namespace {

constexpr int kTopic = 6;
constexpr int kMissingWidth = 420, kMissingHeight = 60;

void paint_lens_picture(TtekeningForm& w, const CardRequest&) {
    const QString name = lens_picture_name(language_index);
    const QImage picture(QDir(program_dir()).filePath(name));
    if (picture.isNull()) {
        // Without its picture the card says which file is missing.
        w.init(kMissingWidth, kMissingHeight);
        Surface& s = w.surface();
        s.set_font_size(12);
        s.cursor.x = 10;
        msg_param1 = name;
        w.my_textout_2(msg(lens_card_messages::kPictureMissing));
        return;
    }
    // Room at the right for the copy button in the top right corner.
    w.init(picture.width() + TtekeningForm::kCopyButtonRoom, picture.height());
    w.surface().draw_picture(0, 0, picture, name);
}

}  // namespace

QString lens_picture_name(int language) {
    return language == 1 ? QStringLiteral("alensformula.bmp")
                         : QStringLiteral("alenzenformule.bmp");
}

void register_lens_cards() {
    register_explanation_card(kTopic, {paint_lens_picture});
}

}  // namespace cifrala
