#pragma once

namespace ui {

// Makes Bulgarian (Bulgaria) the program's language, whatever the system's locale: the
// toolkit's own texts (context menus, accessible action names, standard shortcuts) come from its
// Bulgarian translation, and assistive technology is told the program speaks Bulgarian. Without
// the translation the toolkit stays in English, and one line on the standard error says so.
// Call it once, after the toolkit's application object exists.
void speakBulgarian();

} // namespace ui
