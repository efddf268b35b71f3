#pragma once

// Used only inside ui/.

class QWidget;

namespace ui::detail {

// Any program on the session bus may call a control's accessibility interfaces; these stand in
// for the toolkit's own where those act on calls that make no sense.

// A read-only text box (a line edit or a plain text edit) read as text, and nothing more: it
// offers no editing, and offsets and ranges outside the text are answered with nothing. The
// toolkit's own interface edits read-only boxes and grows a text to any offset asked for.
// Call it before anything asks for the box's interface.
void offerReadOnlyText(QWidget* box);

// A slider whose value is set only to a number within its range: the toolkit's own takes
// anything else as 0.
void offerNumericValue(QWidget* slider);

// While a widget is being made, the toolkit may meet it as the toolkit's class it derives from,
// and keep the interface it made then: this one is let go, so that the next one asked for is the
// program's own. Call it once the widget is made.
void forgetEarlyInterface(QWidget* widget);

} // namespace ui::detail
