#include "tools/keyboard_form.h"

#include <QShowEvent>
#include <QToolButton>

#include "formula/font_map.h"
#include "text/floating_window.h"
#include "text/help.h"
#include "text/translation.h"
#include "tools/key_glyphs.h"
#include "tools/key_sender.h"
#include "tools/screen_place.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

constexpr TranslatedWindow kWindow = TranslatedWindow::Keyboard;
constexpr int kKeyWidth = 23;
constexpr int kKeyHeight = 22;

void fit_caption(QToolButton* b) {
    const QString text = b->text();
    if (text.isEmpty()) return;
    QFont f = b->font();
    const int room = b->width() - 4;
    for (int px = f.pixelSize(); px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= room) break;
    }
    b->setFont(f);
}

QByteArray bytes(std::initializer_list<unsigned char> codes) {
    QByteArray out;
    for (unsigned char c : codes)
        out.append(static_cast<char>(c));
    return out;
}

}  // namespace

Ttoetsenbord::Ttoetsenbord(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("toetsenbord"));
    setWindowTitle(QStringLiteral("Toetsenbord"));
    // Clicking a key must not take the focus away from the field being typed in.
    floating_ = new FloatingWindow(this, FloatingWindow::Focus::Never);
    setProperty("cifrala_sends_keys", true);
    setFont(make_font(QStringLiteral("MS Sans Serif"), 9, true));

    // Digits
    const char* digits = "789456123";
    for (int i = 0; i < 9; ++i) {
        const QString d(QChar::fromLatin1(digits[i]));
        add_code_key(this, QStringLiteral("Digit") + d, d, 4 + 32 * (i % 3), 4 + 28 * (i / 3), 0,
                     d.toLatin1());
    }
    add_code_key(this, QStringLiteral("Digit0"), QStringLiteral("0"), 4, 88, 0, "0");
    separator_button_ =
        add_text_key(QStringLiteral("DecimalKey"), QString(number_settings.decimal_separator), 36,
                     88, 4705, [] { return QString(number_settings.decimal_separator); });

    // Operators, brackets, constants
    add_text_key(QStringLiteral("OpenBracketKey"), QStringLiteral("("), 100, 4, 4707,
                 [] { return QStringLiteral("("); });
    add_text_key(QStringLiteral("CloseBracketKey"), QStringLiteral(")"), 132, 4, 4708,
                 [] { return QStringLiteral(")"); });
    add_code_key(this, QStringLiteral("OpenBraceKey"), QStringLiteral("{"), 164, 4, 4719, "{");
    add_code_key(this, QStringLiteral("CloseBraceKey"), QStringLiteral("}"), 192, 4, 4720, "}");
    add_text_key(QStringLiteral("PowerKey"), QStringLiteral("^"), 100, 32, 4706,
                 [] { return QStringLiteral("^"); });
    add_code_key(this, QStringLiteral("RootKey"), QString(QChar(0x221A)), 132, 32, 4709, "V");
    variable_button = add_key(this, QStringLiteral("VariableKey"), QStringLiteral("x"), 164, 32,
                              kKeyWidth, 4710, [this] {
                                  bring_typing_window_to_front();
                                  send_keys(variable_button->text().toLatin1());
                              });
    add_code_key(this, QStringLiteral("MultiplyKey"), QString(QChar(0x00D7)), 100, 60, 4703,
                 QByteArray(1, key_code::kKeypadMultiply));
    add_text_key(QStringLiteral("DivideKey"), QStringLiteral(":"), 132, 60, 4704,
                 [] { return QStringLiteral(":"); });
    add_code_key(this, QStringLiteral("EKey"), QStringLiteral("e"), 164, 60, 4712, "E");
    add_code_key(this, QStringLiteral("AddKey"), QStringLiteral("+"), 100, 88, 4701,
                 QByteArray(1, key_code::kKeypadAdd));
    add_code_key(this, QStringLiteral("SubtractKey"), QStringLiteral("-"), 132, 88, 4702,
                 QByteArray(1, key_code::kKeypadSubtract));
    add_code_key(this, QStringLiteral("PiKey"), QString(QChar(0x03C0)), 164, 88, 4711, "PI");

    // Cursor and erasing
    add_code_key(this, QStringLiteral("HomeKey"), QString(QChar(0x21E4)), 4, 116, 4713,
                 bytes({key_code::kHome}));
    add_code_key(this, QStringLiteral("LeftKey"), QString(QChar(0x2190)), 36, 116, 4714,
                 bytes({key_code::kLeft}));
    add_code_key(this, QStringLiteral("RightKey"), QString(QChar(0x2192)), 68, 116, 4715,
                 bytes({key_code::kRight}));
    add_code_key(this, QStringLiteral("EndKey"), QString(QChar(0x21E5)), 100, 116, 4716,
                 bytes({key_code::kEnd}));
    add_code_key(this, QStringLiteral("BackspaceKey"), QString(QChar(0x232B)), 132, 116, 4717,
                 QByteArray(1, key_code::kBackspace));
    add_code_key(this, QStringLiteral("DeleteKey"), QStringLiteral("Del"), 164, 116, 4718,
                 bytes({key_code::kDelete}));

    toggle_button = add_key(this, QStringLiteral("ToggleLettersKey"), QStringLiteral("abc"), 192,
                            32, kKeyWidth, keyboard_tags::kToggle, [this] { toggle_letters(); });
    help_button = add_key(this, QStringLiteral("HelpKey"), QString(), 192, 116, kKeyWidth,
                          keyboard_tags::kHelp, [] { request_help(keyboard_tags::kHelpPage); });
    help_button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    help_button->setIcon(key_glyph_icon(KeyGlyph::Help, QSize(16, 16)));

    create_letter_panel();

    register_control_now(kWindow, this, TextKind::Window, keyboard_tags::kWindow);
    for (const Key& k : keys_)
        fit_caption(k.button);
    add_language_listener(this, [this] {
        for (const Key& k : keys_) {
            k.button->setFont(font());
            fit_caption(k.button);
        }
    });
    show_letters(false);
}

Ttoetsenbord::~Ttoetsenbord() = default;

QToolButton* Ttoetsenbord::add_key(QWidget* owner, const QString& name, const QString& caption,
                                   int x, int y, int width, int tag, std::function<void()> action) {
    auto* b = new QToolButton(owner);
    b->setObjectName(name);
    b->setText(caption);
    b->setGeometry(x, y, width, kKeyHeight);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(b, &QToolButton::clicked, this, [this, b] { press(b); });
    if (tag != 0) register_control_now(kWindow, b, TextKind::HintOnly, tag);
    keys_.push_back(Key{b, std::move(action)});
    return b;
}

QToolButton* Ttoetsenbord::add_code_key(QWidget* owner, const QString& name, const QString& caption,
                                        int x, int y, int tag, const QByteArray& codes) {
    return add_key(owner, name, caption, x, y, kKeyWidth, tag, [codes] {
        bring_typing_window_to_front();
        send_keys(codes);
    });
}

QToolButton* Ttoetsenbord::add_text_key(const QString& name, const QString& caption, int x, int y,
                                        int tag, std::function<QString()> text) {
    return add_key(this, name, caption, x, y, kKeyWidth, tag, [text] {
        bring_typing_window_to_front();
        type_text(text());
    });
}

void Ttoetsenbord::create_letter_panel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kKeysWidth - 2, 0, kLettersWidth, 106);
    for (int i = 0; i < 26; ++i) {
        const int row = i < 9 ? 0 : i < 18 ? 1 : 2;
        const int column = i - (row * 9);
        const char upper = static_cast<char>('A' + i);
        add_code_key(Panel1, QStringLiteral("Letter") + QChar::fromLatin1(upper),
                     QString(QChar::fromLatin1(static_cast<char>('a' + i))), 4 + 27 * column,
                     4 + 26 * row, 0, QByteArray(1, upper));
    }
    QToolButton* space =
        add_key(Panel1, QStringLiteral("SpaceKey"), QStringLiteral("Spatie"), 4, 82, 126, 0, [] {
            bring_typing_window_to_front();
            send_keys(" ");
        });
    register_control_now(kWindow, space, TextKind::SpeedButtonWithHint, keyboard_tags::kSpace);
    hide_button =
        add_key(Panel1, QStringLiteral("HideLettersKey"), QStringLiteral("Verberg letters"), 135,
                82, 108, 0, [this] { show_letters(false); });
    register_control_now(kWindow, hide_button, TextKind::SpeedButtonWithHint,
                         keyboard_tags::kHideLetters);
}

QToolButton* Ttoetsenbord::key(const QString& name_or_caption) const {
    for (const Key& k : keys_)
        if (k.button->objectName() == name_or_caption) return k.button;
    for (const Key& k : keys_)
        if (k.button->text() == name_or_caption) return k.button;
    return nullptr;
}

void Ttoetsenbord::press(QToolButton* key) {
    for (const Key& k : keys_) {
        if (k.button == key) {
            if (k.action) k.action();
            return;
        }
    }
}

void Ttoetsenbord::show_letters(bool on) {
    Panel1->setVisible(on);
    fit_width();
}

bool Ttoetsenbord::letters_shown() const {
    return !Panel1->isHidden();
}

void Ttoetsenbord::fit_width() {
    setFixedSize(letters_shown() ? kKeysWidth - 2 + kLettersWidth : kKeysWidth, kHeight);
}

void Ttoetsenbord::set_variable(const QString& letter) {
    variable_button->setText(letter.isEmpty() ? QStringLiteral("x") : letter.left(1));
}

QString Ttoetsenbord::variable() const {
    return variable_button->text();
}

void Ttoetsenbord::show_at(QPoint position) {
    move(within_screen(this, position));
    show_floating(this);
}

void Ttoetsenbord::show_below(const QWidget* window) {
    if (!window) {
        show_at(pos());
        return;
    }
    const QRect frame = window->frameGeometry();
    show_at(QPoint(frame.left(), frame.bottom() + 1));
}

void Ttoetsenbord::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The decimal separator follows the locale setting.
    separator_button_->setText(QString(number_settings.decimal_separator));
}

}  // namespace cifrala
