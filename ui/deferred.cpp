#include "ui/deferred.h"

#include <QMetaObject>
#include <QObject>

namespace ui {

Deferred::Deferred() : context_(std::make_unique<QObject>()) {}

Deferred::~Deferred() = default;

void Deferred::post(std::function<void()> work) {
    QMetaObject::invokeMethod(context_.get(), std::move(work), Qt::QueuedConnection);
}

} // namespace ui
