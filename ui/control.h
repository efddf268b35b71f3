#pragma once

#include "ui/types.h"

#include <optional>
#include <string>

class QWidget;

namespace ui {

// What every control of a window shares: position, visibility, enabled state, tooltip, font and
// colours. The toolkit widget belongs to the window; the control only steers it, and must not
// outlive it: a window's controls are declared after the window (members go in the reverse of
// their order), as each window's controls struct has its form first.
class Control {
public:
    // The control that steers a toolkit widget, or null: how a test that found a widget by its
    // name sets it from code into a state no learner can reach, as the program's own code would.
    static Control* of(const QWidget* widget);

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    virtual void setVisible(bool visible);
    // The control's own visibility, whether or not its window is on screen.
    bool isVisible() const;
    void setEnabled(bool enabled);
    bool isEnabled() const;

    // A control without a caption of its own is named after its tooltip for assistive
    // technology, unless it is given a name.
    void setToolTip(const std::string& text);
    std::string toolTip() const;
    void setAccessibleName(const std::string& name);
    void setFocus();
    bool hasFocus() const;

    void setGeometry(const Rect& twips);
    Rect geometry() const;
    void setLeft(int twips);
    void setWidth(int twips);
    void setSize(int widthTwips, int heightTwips);

    void setFont(const Font& font);
    void setFontFace(const std::string& face);
    void setFontSize(double points);
    Font font() const;
    // The size the toolkit actually uses, which may differ from the one asked for.
    double effectiveFontSize() const;

    virtual void setBackColor(ColourNumber colour);
    ColourNumber backColor() const;
    virtual void setForeColor(ColourNumber colour);
    ColourNumber foreColor() const;

    QWidget* widget() const { return widget_; }

protected:
    Control(QWidget* widget, const std::string& objectName, const Rect& twips);
    // Buttons and labels: a screen reader reads their caption.
    virtual bool hasCaption() const { return false; }
    void applyPaletteColours();
    // Puts another toolkit widget in the present one's place, in its window and its tab order,
    // with everything set on the control so far; the present widget goes.
    void replaceWidget(QWidget* replacement);

    QWidget* widget_;
    Rect asked_; // the geometry last asked for, in twips
    bool named_ = false;
    std::optional<ColourNumber> back_;
    std::optional<ColourNumber> fore_;
};

} // namespace ui
