#pragma once
// Putting the keyboard focus on an edit field with its text selected, so that
// a new answer replaces the old one.
#include <Qt>

namespace cifrala {

// If the field is visible, enabled and a tab stop: gives it the focus and
// selects all its text. Anything else (no field, hidden, disabled) is ignored.
// Works with every edit control that has selectAll(), such as QLineEdit.
template <typename Edit>
void focus_and_select(Edit* edit) {
    if (!edit || !edit->isVisible() || !edit->isEnabled()) return;
    if ((edit->focusPolicy() & Qt::TabFocus) == 0) return;
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

}  // namespace cifrala
