#include "support/message_recorder.h"

namespace cifrala::testing {

MessageRecorder::MessageRecorder() {
    previous_ = set_message_handler([this](const ShownMessage& m) {
        texts_ << m.text;
        shown_.push_back(m);
    });
}

MessageRecorder::~MessageRecorder() {
    set_message_handler(previous_);
}

void MessageRecorder::clear() {
    texts_.clear();
    shown_.clear();
}

}  // namespace cifrala::testing
