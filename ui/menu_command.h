#pragma once

#include <functional>
#include <string>

class QAction;
class QMenuBar;

namespace ui {

// A top-level command of a window's menu bar, without a submenu. An "&" in the caption marks the
// letter that chooses the command with Alt; a shortcut such as "Ctrl+Q" chooses it too.
class MenuCommand {
public:
    MenuCommand(QMenuBar* bar, const std::string& objectName, const std::string& caption,
                const std::string& shortcut);
    MenuCommand(const MenuCommand&) = delete;
    MenuCommand& operator=(const MenuCommand&) = delete;

    void setVisible(bool visible);
    bool isVisible() const;
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void onClick(std::function<void()> handler);

private:
    QAction* action_;
    std::function<void()> click_;
};

} // namespace ui
