#include "detail/guarded_accessible.h"

#include "detail/accessibility.h"
#include "detail/said_once.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextBlock>
#include <cmath>

namespace ui::detail {

namespace {

constexpr char kReadOnlyText[] = "kebReadOnlyText";
constexpr char kNumericValue[] = "kebNumericValue";

class ReadOnlyTextAccessible : public SaidOnce<QAccessibleWidget>, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(QWidget* box) : SaidOnce(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.multiLine = edit() != nullptr;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? all() : SaidOnce::text(t);
    }

    QString text(int start, int end) const override {
        const int length = characterCount();
        if (end == -1) {
            end = length;
        }
        if (start < 0 || start > length || end < start || end > length) {
            return {};
        }
        return all().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(all().size()); }

    int cursorPosition() const override {
        return line() ? line()->cursorPosition() : edit()->textCursor().position();
    }
    void setCursorPosition(int position) override {
        if (!within(position)) {
            return;
        }
        if (line()) {
            line()->setCursorPosition(position);
        } else {
            QTextCursor cursor = edit()->textCursor();
            cursor.setPosition(position);
            edit()->setTextCursor(cursor);
        }
    }

    int selectionCount() const override {
        return (line() ? line()->hasSelectedText() : edit()->textCursor().hasSelection()) ? 1 : 0;
    }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = 0;
        if (index != 0 || selectionCount() == 0) {
            return;
        }
        if (line()) {
            *start = line()->selectionStart();
            *end = line()->selectionEnd();
        } else {
            *start = edit()->textCursor().selectionStart();
            *end = edit()->textCursor().selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void setSelection(int index, int start, int end) override {
        if (index != 0 || !within(start) || !within(end)) {
            return;
        }
        if (line()) {
            line()->setSelection(start, end - start);
        } else {
            QTextCursor cursor = edit()->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            edit()->setTextCursor(cursor);
        }
    }
    void removeSelection(int index) override {
        if (index != 0) {
            return;
        }
        if (line()) {
            line()->deselect();
        } else {
            QTextCursor cursor = edit()->textCursor();
            cursor.clearSelection();
            edit()->setTextCursor(cursor);
        }
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return within(offset)
                   ? QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end)
                   : nothing(start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return within(offset)
                   ? QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end)
                   : nothing(start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return within(offset) ? QAccessibleTextInterface::textAtOffset(offset, boundary, start, end)
                              : nothing(start, end);
    }

    QRect characterRect(int offset) const override {
        if (!within(offset)) {
            return {};
        }
        QRect r;
        if (line()) {
            const QFontMetrics metrics(line()->font());
            const QRect inside = line()->contentsRect();
            const int x = inside.left() + metrics.horizontalAdvance(all().left(offset));
            r = QRect(x, inside.top(), metrics.horizontalAdvance(all().mid(offset, 1)),
                      inside.height());
        } else {
            QTextCursor cursor(edit()->document());
            cursor.setPosition(offset);
            r = edit()->cursorRect(cursor);
            r.moveTopLeft(edit()->viewport()->mapTo(edit(), r.topLeft()));
        }
        return QRect(widget()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = widget()->mapFromGlobal(point);
        if (!widget()->rect().contains(local)) {
            return -1;
        }
        if (line()) {
            return line()->cursorPositionAt(local);
        }
        return edit()->cursorForPosition(edit()->viewport()->mapFrom(edit(), local)).position();
    }
    void scrollToSubstring(int, int) override {} // the box shows what the program put there

    QString attributes(int offset, int* start, int* end) const override {
        if (!within(offset)) {
            nothing(start, end);
        } else {
            *start = 0;
            *end = characterCount();
        }
        return {};
    }

private:
    QLineEdit* line() const { return qobject_cast<QLineEdit*>(widget()); }
    QPlainTextEdit* edit() const { return qobject_cast<QPlainTextEdit*>(widget()); }
    QString all() const { return line() ? line()->text() : edit()->toPlainText(); }
    bool within(int offset) const { return offset >= 0 && offset <= characterCount(); }
    static QString nothing(int* start, int* end) {
        *start = -1;
        *end = -1;
        return {};
    }
};

class NumericSliderAccessible : public SaidOnce<QAccessibleWidget>,
                                public QAccessibleValueInterface {
public:
    explicit NumericSliderAccessible(QSlider* slider) : SaidOnce(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? QString::number(slider()->value()) : SaidOnce::text(t);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override {
        bool number = false;
        const double asked = value.toDouble(&number);
        if (!number || !(asked >= slider()->minimum() && asked <= slider()->maximum())) {
            return; // not a number, or one the slider does not have
        }
        slider()->setValue(static_cast<int>(std::lround(asked)));
    }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
};

} // namespace

QAccessibleInterface* guardedAccessible(const QString&, QObject* object) {
    auto* box = qobject_cast<QWidget*>(object);
    if (box && box->property(kReadOnlyText).toBool() &&
        (qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box))) {
        return new ReadOnlyTextAccessible(box);
    }
    if (auto* slider = qobject_cast<QSlider*>(object);
        slider && slider->property(kNumericValue).toBool()) {
        return new NumericSliderAccessible(slider);
    }
    return nullptr;
}

void offerReadOnlyText(QWidget* box) {
    box->setProperty(kReadOnlyText, true);
    forgetEarlyInterface(box);
}

void offerNumericValue(QWidget* slider) {
    slider->setProperty(kNumericValue, true);
    forgetEarlyInterface(slider);
}

void forgetEarlyInterface(QWidget* widget) {
    if (!QAccessible::isActive()) {
        return; // the toolkit makes none while nobody listens
    }
    if (QAccessibleInterface* early = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
    }
}

} // namespace ui::detail
