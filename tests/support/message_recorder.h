#pragma once
// Collects the messages the program would show in message boxes.
#include <QString>
#include <QStringList>

#include "text/notify.h"

namespace cifrala::testing {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& texts() const { return texts_; }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    int count() const { return static_cast<int>(texts_.size()); }
    void clear();

private:
    MessageHandler previous_;
    QStringList texts_;
    std::vector<ShownMessage> shown_;
};

}  // namespace cifrala::testing
