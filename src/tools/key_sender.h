#pragma once
// Typing for the pupil: the on-screen keyboard (and the integers window's
// keypad) turn key-code texts into key presses that arrive in the focused
// field of the window that registered itself as the typing target, or of
// another typing window (the calculator) when the pupil used that one last,
// as if they had been typed on the real keyboard.
//
// A key-code text is a byte string; every byte is one key action:
//   0 .. 109    a virtual-key code ("0".."9" digits, "A".."Z" letters, typed
//               lower-case unless Shift is held, 8 Backspace, 9 Tab,
//               13 Enter, 32 Space, 106/107/109 keypad "*", "+", "-")
//   110 .. 227  a character (Windows-1252), typed with the key that gives it
//   228 .. 239  F1 .. F12
//   240 .. 249  Home, End, Up, Down, Left, Right, Page Up, Page Down, Insert,
//               Delete
//   250/251     Shift pressed / released; 252/253 Ctrl; 254/255 Alt
#include <QByteArray>
#include <QString>

class QWidget;

namespace cifrala {

// The caption of the window that receives the keys (empty: none).
extern QString typing_target;
// A window that wants the keys registers its caption when it is shown.
void set_typing_target(const QString& caption);
// Registers the window itself: its current caption, and the window is
// preferred when several windows carry that caption.
void set_typing_target(QWidget* window);
// A window whose fields the keys go to as well, besides the typing target
// (the calculator). Of these windows the keys go to the one the pupil used
// last (the one that was active last).
void add_typing_window(QWidget* window);

// Key-code bytes of the navigation and modifier keys.
namespace key_code {
inline constexpr char kBackspace = 8;
inline constexpr char kEnter = 13;
inline constexpr char kKeypadMultiply = 106;
inline constexpr char kKeypadAdd = 107;
inline constexpr char kKeypadSubtract = 109;
inline constexpr unsigned char kHome = 240;
inline constexpr unsigned char kEnd = 241;
inline constexpr unsigned char kUp = 242;
inline constexpr unsigned char kDown = 243;
inline constexpr unsigned char kLeft = 244;
inline constexpr unsigned char kRight = 245;
inline constexpr unsigned char kPageUp = 246;
inline constexpr unsigned char kPageDown = 247;
inline constexpr unsigned char kInsert = 248;
inline constexpr unsigned char kDelete = 249;
inline constexpr unsigned char kShiftDown = 250;
inline constexpr unsigned char kShiftUp = 251;
inline constexpr unsigned char kCtrlDown = 252;
inline constexpr unsigned char kCtrlUp = 253;
inline constexpr unsigned char kAltDown = 254;
inline constexpr unsigned char kAltUp = 255;
}  // namespace key_code

// The top-level window with exactly this caption (visible ones first), or
// nullptr. The registered target window wins among equal captions.
QWidget* find_window_by_caption(const QString& caption);

// Finds the window with this caption; restores it when it is minimised,
// else raises and activates it. False when there is no such window.
bool bring_to_front(const QString& caption);
// Brings the window that the next key goes to to the front in the same way.
bool bring_typing_window_to_front();

// Performs the key actions of the text, in order, at key_receiver().
void send_keys(const QByteArray& codes);
// Types each character of the text as a key press (for characters that the
// code bytes cannot express, such as ":" or "^").
void type_text(const QString& text);

// The control that the next key goes to: the focused control of the typing
// window the pupil used last while it is shown, else of the typing target
// window; when neither is shown, of the window in front.
QWidget* key_receiver();

}  // namespace cifrala
