#include "text/language.h"

#include "text/program_dir.h"
#include "text/textfile.h"
#include "util/text_utils.h"

namespace cifrala {

int language_index = 0;
QString language_prefix = QStringLiteral("anederlands.");

QString prefix_for_language(int index) {
    return index == 1 ? QStringLiteral("aenglish.") : QStringLiteral("anederlands.");
}

void set_language_prefix_from_index() {
    language_prefix = prefix_for_language(language_index);
}

void select_startup_language() {
    language_index = 0;  // no file or an empty one: Dutch
    if (open_read_user_file(QString::fromLatin1(kLanguageFile))) {
        QString first = read_line();
        while (first.endsWith(' '))
            first.chop(1);
        language_index = parse_int(first) == 1 ? 1 : 0;
        close_read_file();
    }
    set_language_prefix_from_index();
}

void reread_language_choice() {
    if (open_read_user_file(QString::fromLatin1(kLanguageFile))) {
        language_index = read_line() == QStringLiteral("1") ? 1 : 0;
        close_read_file();
    } else {
        language_index = 0;
    }
}

bool save_language_choice(int index) {
    if (!open_write_file(user_config_dir(), QString::fromLatin1(kLanguageFile))) return false;
    write_line(index == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    return close_write_file();
}

}  // namespace cifrala
