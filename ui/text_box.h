#pragma once

#include "ui/control.h"

#include <string>

namespace ui {

class Window;

// A read-only text box. It returns exactly the text it was given, CR LF included, and shows
// each CR LF as a line break. Taking the focus selects nothing. A box that shows a mark rather
// than text to work with never shows a selection: its text stays plain on its own colours.
class TextBox : public Control {
public:
    struct Options {
        bool multiLine = false;
        bool verticalScrollBar = false;
        Align align = Align::Left;
        bool visible = true;
        bool mark = false;
    };

    TextBox(Window& window, const std::string& objectName, const Rect& twips, Options options);

    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    // What the learner sees, one line per display line.
    std::string shownText() const;

    void setBackColor(ColourNumber colour) override;
    void setForeColor(ColourNumber colour) override;

private:
    void hideSelection();

    bool multiLine_;
    bool mark_;
    std::string text_;
};

} // namespace ui
