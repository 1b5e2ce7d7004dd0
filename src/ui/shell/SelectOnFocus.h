// Text boxes that select their whole text when they get the focus, by Tab or by the mouse, so
// that typing replaces a value instead of extending it ("100.0mm" + "120" never becomes
// "100.0120mm"). A click into a box that already has the focus, or a drag, places the cursor
// or selects as usual.
#pragma once

class QWidget;

namespace lumarik {

// Every QLineEdit below root, now and later (boxes created after the call included).
void SelectWholeTextOnFocus(QWidget* root);

}  // namespace lumarik
