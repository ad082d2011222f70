#pragma once
// Masked edit fields that cannot be left with their mask unfilled. Tab, Shift+Tab or a click on
// another control of the same window is refused with the input mask's error: the focus stays in
// the field and the key or the click goes no further. Escape abandons the change, putting back
// the text the field had when it got the focus. Leaving the window (another window or program
// activated, the window hidden or closed) is not leaving the field and is let through.
class QLineEdit;

namespace maskedfield {
// Guards `field` for the rest of its life (the guard is a child of the field). Event filters
// installed on the field earlier are passed over when a leave is refused.
void guard(QLineEdit& field);
}  // namespace maskedfield
