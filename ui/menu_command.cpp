#include "ui/menu_command.h"

#include "detail/qt_convert.h"

#include <QAction>
#include <QMenuBar>

namespace ui {

using namespace detail;

MenuCommand::MenuCommand(QMenuBar* bar, const std::string& objectName, const std::string& caption,
                         const std::string& shortcut)
    : action_(bar->addAction(toQt(caption))) {
    action_->setObjectName(toQt(objectName));
    if (!shortcut.empty()) {
        action_->setShortcut(QKeySequence(toQt(shortcut)));
        // The window's own keys, not the application's: each window has its commands.
        action_->setShortcutContext(Qt::WindowShortcut);
    }
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        if (click_) {
            click_();
        }
    });
}

void MenuCommand::setVisible(bool visible) {
    action_->setVisible(visible);
}

bool MenuCommand::isVisible() const {
    return action_->isVisible();
}

void MenuCommand::setEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

bool MenuCommand::isEnabled() const {
    return action_->isEnabled();
}

void MenuCommand::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

} // namespace ui
