#pragma once
// The on-screen keyboard ("Toetsenbord"): keys for digits, operators,
// brackets, pi, e, the root sign, a variable, cursor movement and, on
// request, the letters a to z. Each key brings the typing target window to
// the front and types into its focused edit field (key_sender.h). The window
// never takes the focus itself, so the caret stays where the pupil left it.
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QToolButton;

namespace cifrala {

class FloatingWindow;

class Ttoetsenbord : public QWidget {
    Q_OBJECT
public:
    explicit Ttoetsenbord(QWidget* parent = nullptr);
    ~Ttoetsenbord() override;

    static constexpr int kKeysWidth = 222;
    static constexpr int kLettersWidth = 250;
    static constexpr int kHeight = 142;

    QWidget* Panel1;             // the letter panel, hidden at first
    QToolButton* toggle_button;  // "Show / hide characters"
    QToolButton* hide_button;    // "Hide characters"
    QToolButton* help_button;
    QToolButton* variable_button;

    // The key with this component name, or the first key with this caption.
    QToolButton* key(const QString& name_or_caption) const;
    // What the key does: brings the typing target to the front and types.
    void press(QToolButton* key);

    void show_letters(bool on);
    void toggle_letters() { show_letters(!Panel1->isVisible()); }
    bool letters_shown() const;

    // The letter shown and typed by the variable key ("x" at first).
    void set_variable(const QString& letter);
    QString variable() const;

    // Shows the keyboard right below `window`, at its left edge, kept
    // within the screen.
    void show_below(const QWidget* window);
    // Shows it with its top-left corner at this screen position (within the screen).
    void show_at(QPoint position);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Key {
        QToolButton* button;
        std::function<void()> action;
    };
    QToolButton* add_key(QWidget* owner, const QString& name, const QString& caption, int x, int y,
                         int width, int tag, std::function<void()> action);
    QToolButton* add_code_key(QWidget* owner, const QString& name, const QString& caption, int x,
                              int y, int tag, const QByteArray& codes);
    QToolButton* add_text_key(const QString& name, const QString& caption, int x, int y, int tag,
                              std::function<QString()> text);
    void create_letter_panel();
    void fit_width();

    FloatingWindow* floating_;
    std::vector<Key> keys_;
    QToolButton* separator_button_ = nullptr;
};

// Text numbers of the keyboard window.
namespace keyboard_tags {
inline constexpr int kWindow = 2;  // file 3: caption
inline constexpr int kToggle = 4721;
inline constexpr int kSpace = 4722;
inline constexpr int kHideLetters = 4723;
inline constexpr int kHelp = 4724;
inline constexpr int kHelpPage = 4700;  // help page of the keyboard
}  // namespace keyboard_tags

}  // namespace cifrala
