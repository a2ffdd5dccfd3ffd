#pragma once
// Plain message boxes. Every failure report of the program goes through here,
// so tests can collect the reports instead of showing boxes.
#include <QString>
#include <functional>
#include <optional>

class QPoint;

namespace cifrala {

struct ShownMessage {
    QString text;
    std::optional<std::pair<int, int>> position;  // screen position, when given
};

using MessageHandler = std::function<void(const ShownMessage&)>;

void show_message(const QString& text);
void show_message_at(int x, int y, const QString& text);

// Installs a handler and returns the previous one; an empty handler restores
// the default (a modal message box, or stderr without a GUI).
MessageHandler set_message_handler(MessageHandler handler);

}  // namespace cifrala
