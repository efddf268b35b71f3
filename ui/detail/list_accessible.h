#pragma once

// Used only inside ui/.

namespace ui::detail {

// Lets assistive technology meet every ListWidget as a list whose items it can choose: each
// item's action is a click on it, and selecting a row through the list's table interface is one
// too. Installed once; the toolkit asks for the interfaces when a screen reader or switch
// access looks at a list.
void installListAccessibility();

} // namespace ui::detail
