#pragma once

// Used only inside ui/.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace ui::detail {

// News of a window for a screen reader: what the learner's action changed away from the control
// the learner is at. Once everything the action set going is done (the focus of a list's row
// among it), the news of that action is shown as a notification, which assistive technology
// speaks as it appears. A notification has no size and draws nothing.
//
// Each news costs a screen reader one event: its notification is told as shown, with its text
// as its name, and nothing else changes. A notification keeps its text for as long as a screen
// reader may still be behind with it: it tells another news only once a minute has passed, and
// a new one is made while none is free. However long the session, there are no more of them
// than news told in the last minute, and one.
class News : public QObject {
public:
    explicit News(QWidget* window);
    void add(const QString& text);

    static constexpr qint64 kHeldMs = 60 * 1000;

private:
    void deliver();

    struct Told {
        QWidget* notification; // belongs to the window
        QElapsedTimer since;
    };

    QWidget* window_;
    std::deque<Told> told_; // the longest told first
    QStringList pending_;
};

} // namespace ui::detail
