#include "detail/news.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>
#include <mutex>

namespace ui::detail {

namespace {

class NotificationWidget : public QWidget {
public:
    using QWidget::QWidget;
};

QAccessibleInterface* notificationAccessible(const QString&, QObject* object) {
    if (auto* widget = dynamic_cast<NotificationWidget*>(object)) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

News::News(QWidget* window) : QObject(window), window_(window) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(notificationAccessible); });
}

void News::add(const QString& text) {
    const QString line = text.simplified();
    if (line.isEmpty()) {
        return;
    }
    if (pending_.isEmpty()) {
        // Two turns of the event loop: the first runs what the action posted itself.
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { deliver(); }); });
    }
    pending_ << line;
}

void News::deliver() {
    const QString news = pending_.join(QStringLiteral(". "));
    pending_.clear();
    if (!QAccessible::isActive() || !window_->isActiveWindow()) {
        return; // nobody listens, or the learner is in another window
    }
    if (!notification_) {
        notification_ = new NotificationWidget(window_);
        notification_->setObjectName(QStringLiteral("news"));
        notification_->setFocusPolicy(Qt::NoFocus);
        notification_->setAttribute(Qt::WA_TransparentForMouseEvents);
        notification_->setGeometry(0, 0, 0, 0);
    }
    // A notification is heard as it appears: the one before goes, and the new one comes.
    notification_->hide();
    notification_->setAccessibleName(news);
    notification_->show();
}

} // namespace ui::detail
