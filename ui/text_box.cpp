#include "ui/text_box.h"

#include "ui/qt_convert.h"
#include "ui/window.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace ui {

using namespace detail;

namespace {

QWidget* makeEditor(QWidget* parent, const TextBox::Options& options) {
    if (options.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(true);
        // Read-only, yet a keyboard user can move through the text.
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setVerticalScrollBarPolicy(options.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setAlignment(options.align == Align::Centre ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    return edit;
}

} // namespace

TextBox::TextBox(Window& window, const std::string& objectName, const Rect& twips, Options options)
    : Control(makeEditor(window.clientArea(), options), objectName, twips),
      multiLine_(options.multiLine) {
    widget_->setVisible(options.visible);
}

void TextBox::setText(const std::string& text) {
    if (text == text_) {
        return; // spares the toolkit laying out and drawing the same text again
    }
    text_ = text;
    QString shown = toQt(text);
    if (multiLine_) {
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        static_cast<QPlainTextEdit*>(widget_)->setPlainText(shown);
    } else {
        static_cast<QLineEdit*>(widget_)->setText(shown);
    }
}

std::string TextBox::shownText() const {
    if (multiLine_) {
        return fromQt(static_cast<QPlainTextEdit*>(widget_)->toPlainText());
    }
    return fromQt(static_cast<QLineEdit*>(widget_)->text());
}

} // namespace ui
