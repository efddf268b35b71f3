#pragma once

#include "ui/types.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace ui {

class MenuCommand;
class FormWidget;
namespace detail {
class News;
}

enum class WindowStyle {
    FixedSingle, // caption, close box, no minimise or maximise box, not resizable
    FixedTool,   // the same with the small caption of a tool window
};

// A top-level window: its client area holds the controls, placed in twips; a menu bar, when it
// has commands, stands above the client area. On Wayland the compositor places every window, and
// the outer size counts the frame the toolkit draws there itself.
class Window {
public:
    // The window's default font comes first, so that the menu bar is measured in it.
    Window(const std::string& objectName, WindowStyle style, const Font& font = {});
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    void setCaption(const std::string& caption);
    std::string caption() const;

    void setClientSize(int widthTwips, int heightTwips);
    int clientWidth() const;
    int clientHeight() const;
    // The outer size includes the frame and caption the window system draws, and the menu bar.
    void setOuterWidth(int twips);
    void setOuterSize(int widthTwips, int heightTwips);
    int outerWidth() const;
    int outerHeight() const;

    void setBackColor(ColourNumber colour);
    ColourNumber backColor() const;
    // The window's default font: what its own drawing and controls without a font of their own use.
    void setFont(const Font& font);
    void setFontFace(const std::string& face);
    Font font() const;

    // An icon in XPM form, one image per size.
    void setIcon(const std::vector<const char* const*>& images);

    MenuCommand& addMenuCommand(const std::string& objectName, const std::string& caption,
                                const std::string& shortcut = {});

    // Centres the window on its screen's free area, or where it is larger keeps its top-left
    // corner on the screen; only where the window system lets a window place itself.
    void centreOnScreen();
    void showModeless();
    void hide();
    bool isVisible() const;
    void bringToFront();

    // Tells a screen reader what the learner's action changed away from the control the learner
    // is at (a counter, a score, an explanation): it is heard once the action is done, as news
    // of the control that has the focus in this window. Several in one action are heard together.
    void announce(const std::string& text);

    // Runs when the learner closes the window with its close box; the window then hides.
    void onCloseBox(std::function<void()> handler);

    QWidget* widget() const;
    QWidget* clientArea() const;

private:
    friend class FormWidget;
    // The frame is known only once the window system has the window, and it may come later
    // still (a window manager's, or on Wayland the toolkit's own): when it shows up or changes,
    // an outer size asked for is fitted again and a centred window is centred again.
    void frameMayHaveChanged();
    void fitOuterSize();
    void placeCentred();
    void keepTopLeftOnScreen();

    std::unique_ptr<FormWidget> form_;
    int askedOuterWidth_ = 0;
    int askedOuterHeight_ = 0;
    bool centred_ = false;
    std::array<int, 4> frame_{}; // left, top, right and bottom, in pixels
    std::vector<std::unique_ptr<MenuCommand>> menu_;
    detail::News* news_; // belongs to the window's widget
};

} // namespace ui
