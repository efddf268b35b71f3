#pragma once

#include <functional>
#include <memory>

class QObject;

namespace ui {

// Work to run once the event being handled is done: a window cannot be taken down from inside
// its own handler. What is still waiting when the owner goes is dropped with it.
class Deferred {
public:
    Deferred();
    Deferred(const Deferred&) = delete;
    Deferred& operator=(const Deferred&) = delete;
    ~Deferred();

    void post(std::function<void()> work);

private:
    std::unique_ptr<QObject> context_;
};

} // namespace ui
