#pragma once
// Window translation: every window registers its tagged controls when it is
// created; apply_language() then puts the texts of the current language on
// them, window by window in a fixed order, from the control-text files
// (suffix "2" to "8" by control kind).
#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;
class QComboBox;

namespace cifrala {

// The windows in the order in which a pass translates them.
enum class TranslatedWindow {
    Keyboard,
    Calculator,
    Ratios,
    QuadraticEquations,
    QuadraticInequalities,
    Roots,
    Menu,
    Integers,
    ExponentialEquations,
    Fractions,
    LongDivision,
    MetricSystem,
    MultiTopic,
    Lens,
    Explanation,
    Count
};

enum class TextKind {
    Label,                // file 2: caption and hint
    RadioButton,          // file 4: caption and hint
    Button,               // file 5: caption and hint
    CheckBox,             // file 8: caption and hint
    Edit,                 // file 6: hint
    Picture,              // file 7: hint
    Window,               // file 3: window caption := first line
    WindowWithHint,       // file 3: caption := first line, hint := second line
    GroupBox,             // file 3: caption := first line
    SpeedButton,          // file 3: caption := first line
    SpeedButtonWithHint,  // file 3: caption := first line, hint := second line
    HintOnly,             // file 3: hint := second line (picture buttons, panels, scroll bars)
    Message,              // caption := the message of that number (captions chosen at run time)
};

// Sets the control's tag (its "tag" property) and registers it. A control is
// forgotten when it is destroyed.
void register_control(TranslatedWindow window, QWidget* control, TextKind kind, int tag);
// Registers the control and puts the current language's text on it at once
// (for controls without a built-in text, such as hints, and windows created
// after the start-up pass).
void register_control_now(TranslatedWindow window, QWidget* control, TextKind kind, int tag);

// Puts the caption of entry `number` of that kind on the control at once and
// after every pass; a second call for the same control and a caption kind
// (Window, Message, GroupBox, SpeedButton, Label) replaces the first, so a
// window whose caption depends on its topic just calls it again.
void set_translated_caption(TranslatedWindow window, QWidget* control, TextKind kind, int number);

// A combo box with tag T takes `items` items from the consecutive file-3
// entries T, T+1, ... (two items per entry, first and second line); its text
// becomes the first item. `adjust` may change the list before it is set.
void register_combo(TranslatedWindow window, QComboBox* box, int tag, int items,
                    std::function<void(QStringList&)> adjust = {});

// Called after every pass (for example to lay a window out again). Returns an
// id for remove_language_listener.
int add_language_listener(std::function<void()> listener);
// The same, removed again when `context` is destroyed (use this for listeners
// that reach into a window).
int add_language_listener(QObject* context, std::function<void()> listener);
void remove_language_listener(int id);

void apply_language();

// Maintenance: report every missing entry with a message and count it.
extern bool report_missing;
extern int missing_count;

// The text shown by a control of that kind whose entry is missing ("error 5").
QString missing_entry_text(TextKind kind);

// Loads the current language's text of one control (file by kind) without
// any report; false when the entry or the file is missing (the control keeps
// its text).
bool load_control_text(QWidget* control, TextKind kind, int tag);
// Puts the two lines of an entry on a control as its kind wants them.
void put_control_texts(QWidget* control, TextKind kind, const QString& first,
                       const QString& second);

// Sets a control's visible caption, whatever kind of widget it is.
void set_control_caption(QWidget* control, const QString& text);
QString control_caption(const QWidget* control);

// Number of registered controls (for tests and the maintenance check).
int registered_control_count();
// The tag of a control (0 when it has none).
int control_tag(const QWidget* control);

}  // namespace cifrala
