#pragma once

#include <functional>
#include <string>

class QAction;
class QMenuBar;

namespace ui {

// A top-level command of a window's menu bar, without a submenu.
class MenuCommand {
public:
    MenuCommand(QMenuBar* bar, const std::string& objectName, const std::string& caption);
    MenuCommand(const MenuCommand&) = delete;
    MenuCommand& operator=(const MenuCommand&) = delete;

    void setVisible(bool visible);
    bool isVisible() const;
    void setEnabled(bool enabled);
    bool isEnabled() const;
    std::string caption() const;
    void onClick(std::function<void()> handler);

    QAction* action() const { return action_; }

private:
    QAction* action_;
    std::function<void()> click_;
};

} // namespace ui
