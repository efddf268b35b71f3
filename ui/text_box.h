#pragma once

#include "ui/control.h"

#include <memory>
#include <string>

class QObject;

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
    ~TextBox() override;

    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    // What the learner sees, one line per display line.
    std::string shownText() const;

    void setBackColor(ColourNumber colour) override;
    void setForeColor(ColourNumber colour) override;

private:
    void hideSelection();
    // Shows the text, unless the box shows it already.
    void show();

    bool multiLine_;
    bool mark_;
    std::string text_;
    bool writing_ = false;
    std::unique_ptr<QObject> guard_; // ends the box's connections and waiting work with it
};

} // namespace ui
