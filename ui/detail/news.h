#pragma once

// Used only inside ui/.

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class QWidget;

namespace ui::detail {

// News of a window for a screen reader: what the learner's action changed away from the control
// the learner is at. Once everything the action set going is done (the focus of a list's row
// among it), the news of that action is shown as a notification, which assistive technology
// speaks as it appears. A notification has no size and draws nothing.
//
// Each news costs a screen reader one event: its notification is told as shown, with its text
// as its name, and nothing else changes. The notifications take turns, so that a screen reader
// still behind with the news before reads each one's own text.
class News : public QObject {
public:
    explicit News(QWidget* window);
    void add(const QString& text);

private:
    void deliver();

    QWidget* window_;
    std::array<QWidget*, 8> notifications_{}; // each made on its first news
    std::size_t next_ = 0;
    QStringList pending_;
};

} // namespace ui::detail
