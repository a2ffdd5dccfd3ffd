#pragma once
// Plain message boxes. Every failure report of the program goes through here,
// so tests can collect the reports instead of showing boxes.
#include <QString>
#include <functional>
#include <optional>

class QPoint;

namespace cifrala {

// The caption of the program's message boxes: the product name.
inline constexpr const char* kMessageBoxTitle = "Cifrala";

struct ShownMessage {
    QString text;
    std::optional<std::pair<int, int>> position;  // screen position, when given
    bool big = false;  // shown in the large message window (text: the lines joined by "\n")
};

using MessageHandler = std::function<void(const ShownMessage&)>;

void show_message(const QString& text);
void show_message_at(int x, int y, const QString& text);

// The large message window: up to four lines in large type, modal.
void show_big_message_lines(const QString& a, const QString& b, const QString& c, const QString& d);
// Shows the large message window itself; installed by the window's owner.
void set_big_message_window(
    std::function<void(const QString&, const QString&, const QString&, const QString&)> window);

// Installs a handler and returns the previous one; an empty handler restores
// the default (a modal message box, or stderr without a GUI).
MessageHandler set_message_handler(MessageHandler handler);

}  // namespace cifrala
