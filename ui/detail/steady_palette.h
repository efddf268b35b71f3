#pragma once

// Used only inside ui/.

class QWidget;

namespace ui::detail {

// Gives a widget the style's own colours for good, shared by every widget so given. The style
// keeps drawings of sliders and scroll bars in a cache named after the colours' identity, and
// a cached drawing's name outlives the drawing: colours that change with the window around the
// widget, or a new window every time, would leave a new name behind at every paint.
void holdSteadyPalette(QWidget* widget);

} // namespace ui::detail
