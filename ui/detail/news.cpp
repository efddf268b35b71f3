#include "detail/news.h"

#include "detail/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

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

} // namespace

QAccessibleInterface* notificationAccessible(const QString&, QObject* object) {
    if (auto* widget = dynamic_cast<NotificationWidget*>(object)) {
        return new NotificationAccessible(widget);
    }
    return nullptr;
}

News::News(QWidget* window) : QObject(window), window_(window) {}

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
    // Of the notifications free again, all but one go; that one tells this news.
    while (told_.size() > 1 && told_[1].since.hasExpired(kHeldMs)) {
        delete told_.front().notification;
        told_.pop_front();
    }
    if (!told_.empty() && told_.front().since.hasExpired(kHeldMs)) {
        Told again = told_.front();
        told_.pop_front();
        static_cast<NotificationWidget*>(again.notification)->news = news;
        again.since.start();
        told_.push_back(again);
        QAccessibleEvent shown(again.notification, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
        return;
    }
    auto* made = new NotificationWidget(window_);
    made->setObjectName(QStringLiteral("news"));
    made->setFocusPolicy(Qt::NoFocus);
    made->setAttribute(Qt::WA_TransparentForMouseEvents);
    made->setGeometry(0, 0, 0, 0);
    made->news = news;
    made->show(); // told as shown by the toolkit
    told_.push_back({made, {}});
    told_.back().since.start();
}

} // namespace ui::detail
