#pragma once

// Used only inside ui/.

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui::detail {

// News of a window for a screen reader: what the learner's action changed away from the control
// the learner is at. Once everything the action set going is done (the focus of a list's row
// among it), the news of that action is shown as a notification, which assistive technology
// speaks as it appears. The notification has no size and draws nothing.
class News : public QObject {
public:
    explicit News(QWidget* window);
    void add(const QString& text);

private:
    void deliver();

    QWidget* window_;
    QWidget* notification_ = nullptr; // made on the first news
    QStringList pending_;
};

} // namespace ui::detail
