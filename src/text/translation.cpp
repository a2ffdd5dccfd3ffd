#include "text/translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <vector>

#include "text/language.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/qt_translations.h"

namespace cifrala {

bool report_missing = false;
int missing_count = 0;

namespace {

struct Registration {
    QPointer<QWidget> control;
    TextKind kind;
    int tag;
    int combo_items = 0;
    std::function<void(QStringList&)> adjust;
};

using Registry =
    std::array<std::vector<Registration>, static_cast<size_t>(TranslatedWindow::Count)>;

Registry& registry() {
    static Registry r;
    return r;
}

std::vector<std::pair<int, std::function<void()>>>& listeners() {
    static std::vector<std::pair<int, std::function<void()>>> l;
    return l;
}

const char* suffix_of(TextKind kind) {
    switch (kind) {
        case TextKind::Label:
            return "2";
        case TextKind::RadioButton:
            return "4";
        case TextKind::Button:
            return "5";
        case TextKind::CheckBox:
            return "8";
        case TextKind::Edit:
            return "6";
        case TextKind::Picture:
            return "7";
        default:
            return "3";
    }
}

bool one_line_kind(TextKind kind) {
    return kind == TextKind::Edit || kind == TextKind::Picture;
}

}  // namespace

void put_control_texts(QWidget* w, TextKind kind, const QString& first, const QString& second) {
    switch (kind) {
        case TextKind::Label:
        case TextKind::RadioButton:
        case TextKind::Button:
        case TextKind::CheckBox:
        case TextKind::SpeedButtonWithHint:
            set_control_caption(w, first);
            w->setToolTip(second);
            break;
        case TextKind::Edit:
        case TextKind::Picture:
            w->setToolTip(first);
            break;
        case TextKind::Window:
            w->setWindowTitle(first);
            break;
        case TextKind::WindowWithHint:
            w->setWindowTitle(first);
            w->setToolTip(second);
            break;
        case TextKind::GroupBox:
        case TextKind::SpeedButton:
            set_control_caption(w, first);
            break;
        case TextKind::HintOnly:
            w->setToolTip(second);
            break;
        case TextKind::Message:
            set_control_caption(w, first);
            break;
    }
}

bool load_control_text(QWidget* control, TextKind kind, int tag) {
    if (kind == TextKind::Message) {
        set_control_caption(control, msg(tag));
        return true;
    }
    QString lines[2];
    int available = 0;
    const QString file = language_prefix + QString::fromLatin1(suffix_of(kind));
    if (lookup_entry(file, tag, one_line_kind(kind) ? 1 : 2, lines, &available) != 0) return false;
    put_control_texts(control, kind, lines[0], available >= 2 ? lines[1] : lines[0]);
    return true;
}

namespace {

struct Pass {
    bool missing_file_reported = false;
};

// 0 found, 1 missing entry, else the file could not be opened.
int lookup(Pass& pass, TextKind kind, int tag, QString& first, QString& second) {
    if (kind == TextKind::Message) {
        first = second = msg(tag);
        return 0;
    }
    const QString suffix = QString::fromLatin1(suffix_of(kind));
    QString lines[2];
    int available = 0;
    const int code =
        lookup_entry(language_prefix + suffix, tag, one_line_kind(kind) ? 1 : 2, lines, &available);
    if (code > 1 || code < 0) {
        if (!pass.missing_file_reported) {
            pass.missing_file_reported = true;
            show_message(QStringLiteral("missing file: ") + language_prefix + suffix);
        }
        return code;
    }
    if (code == 1) {
        first = second = QStringLiteral("error ") + suffix;
        if (report_missing) {
            show_message_at(1, 1, QString::number(tag) + QStringLiteral("   ") + first);
            ++missing_count;
        }
        return 1;
    }
    first = lines[0];
    second = available >= 2 ? lines[1] : lines[0];
    return 0;
}

void apply_to_control(Pass& pass, const Registration& r) {
    QString first, second;
    const int code = lookup(pass, r.kind, r.tag, first, second);
    if (code > 1 || code < 0) return;  // file missing: the control keeps its text
    put_control_texts(r.control, r.kind, first, second);
}

void apply_to_combo(Pass& pass, const Registration& r) {
    auto* box = qobject_cast<QComboBox*>(r.control.data());
    if (!box) return;
    QStringList items;
    for (int entry = 0; static_cast<int>(items.size()) < r.combo_items; ++entry) {
        QString first, second;
        const int code = lookup(pass, TextKind::SpeedButton, r.tag + entry, first, second);
        if (code > 1 || code < 0) return;
        items << first;
        if (static_cast<int>(items.size()) < r.combo_items) items << second;
    }
    if (r.adjust) r.adjust(items);
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(0);
    if (box->isEditable()) box->setEditText(items.value(0));
}

}  // namespace

void register_control(TranslatedWindow window, QWidget* control, TextKind kind, int tag) {
    control->setProperty("tag", tag);
    registry()[static_cast<size_t>(window)].push_back(Registration{control, kind, tag, 0, {}});
}

namespace {

bool caption_kind(TextKind kind) {
    return kind == TextKind::Window || kind == TextKind::Message || kind == TextKind::GroupBox ||
           kind == TextKind::SpeedButton || kind == TextKind::Label;
}

}  // namespace

void set_translated_caption(TranslatedWindow window, QWidget* control, TextKind kind, int number) {
    auto& list = registry()[static_cast<size_t>(window)];
    auto it = std::find_if(list.begin(), list.end(), [&](const Registration& r) {
        return r.control == control && r.combo_items == 0 && caption_kind(r.kind);
    });
    if (it == list.end()) {
        list.push_back(Registration{control, kind, number, 0, {}});
    } else {
        it->kind = kind;
        it->tag = number;
    }
    control->setProperty("tag", number);
    load_control_text(control, kind, number);
}

void register_control_now(TranslatedWindow window, QWidget* control, TextKind kind, int tag) {
    register_control(window, control, kind, tag);
    load_control_text(control, kind, tag);
}

void register_combo(TranslatedWindow window, QComboBox* box, int tag, int items,
                    std::function<void(QStringList&)> adjust) {
    box->setProperty("tag", tag);
    registry()[static_cast<size_t>(window)].push_back(
        Registration{box, TextKind::SpeedButton, tag, items, std::move(adjust)});
}

int add_language_listener(std::function<void()> listener) {
    static int next_id = 0;
    listeners().emplace_back(++next_id, std::move(listener));
    return next_id;
}

int add_language_listener(QObject* context, std::function<void()> listener) {
    const int id = add_language_listener(std::move(listener));
    QObject::connect(context, &QObject::destroyed, [id] { remove_language_listener(id); });
    return id;
}

void remove_language_listener(int id) {
    auto& l = listeners();
    l.erase(std::remove_if(l.begin(), l.end(), [id](const auto& p) { return p.first == id; }),
            l.end());
}

void apply_language() {
    set_language_prefix_from_index();
    apply_qt_translations(language_index);
    Pass pass;
    for (auto& list : registry()) {
        for (const Registration& r : list) {
            if (!r.control || r.tag == 0) continue;
            if (r.combo_items > 0) {
                apply_to_combo(pass, r);
            } else {
                apply_to_control(pass, r);
            }
        }
    }
    const auto current = listeners();  // a listener may remove itself
    for (const auto& [id, l] : current)
        l();
}

QString missing_entry_text(TextKind kind) {
    return QStringLiteral("error ") + QString::fromLatin1(suffix_of(kind));
}

void set_control_caption(QWidget* control, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(control)) {
        b->setText(text);
    } else if (auto* l = qobject_cast<QLabel*>(control)) {
        l->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(control)) {
        g->setTitle(text);
    } else if (auto* c = qobject_cast<QComboBox*>(control)) {
        if (c->isEditable()) c->setEditText(text);
    } else if (control->isWindow()) {
        control->setWindowTitle(text);
    } else {
        control->setProperty("caption", text);
    }
}

QString control_caption(const QWidget* control) {
    if (auto* b = qobject_cast<const QAbstractButton*>(control)) return b->text();
    if (auto* l = qobject_cast<const QLabel*>(control)) return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(control)) return g->title();
    if (auto* c = qobject_cast<const QComboBox*>(control)) return c->currentText();
    if (control->isWindow()) return control->windowTitle();
    return control->property("caption").toString();
}

int registered_control_count() {
    int n = 0;
    for (const auto& list : registry())
        for (const auto& r : list)
            if (r.control) ++n;
    return n;
}

int control_tag(const QWidget* control) {
    return control->property("tag").toInt();
}

}  // namespace cifrala
