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
    QString news;
};

// A notification reads out its news; the news is no accessible name, whose change would be one
// more event for a screen reader to handle.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(NotificationWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<NotificationWidget*>(widget())->news
                                      : QString();
    }
};

QAccessibleInterface* notificationAccessible(const QString&, QObject* object) {
    if (auto* widget = dynamic_cast<NotificationWidget*>(object)) {
        return new NotificationAccessible(widget);
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
    QWidget*& slot = notifications_[next_];
    next_ = (next_ + 1) % notifications_.size();
    if (!slot) {
        auto* made = new NotificationWidget(window_);
        made->setObjectName(QStringLiteral("news"));
        made->setFocusPolicy(Qt::NoFocus);
        made->setAttribute(Qt::WA_TransparentForMouseEvents);
        made->setGeometry(0, 0, 0, 0);
        made->news = news;
        made->show(); // told as shown by the toolkit
        slot = made;
        return;
    }
    static_cast<NotificationWidget*>(slot)->news = news;
    QAccessibleEvent shown(slot, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ui::detail
