#include "ui/text_box.h"

#include "detail/guarded_accessible.h"
#include "detail/qt_convert.h"
#include "detail/steady_palette.h"
#include "ui/window.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace ui {

using namespace detail;

namespace {

// A one-line read-only box that does not select its text when the focus comes to it: there is
// nothing to type over, and a selected text reads as something chosen.
class LineBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        deselect();
    }
};

QWidget* makeEditor(QWidget* parent, const TextBox::Options& options) {
    if (options.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        offerReadOnlyText(edit); // before anything asks for its interface
        edit->setReadOnly(true);
        // Read-only, yet a keyboard user can move through the text.
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setVerticalScrollBarPolicy(options.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        holdSteadyPalette(edit->verticalScrollBar());
        return edit;
    }
    auto* edit = new LineBox(parent);
    offerReadOnlyText(edit);
    edit->setReadOnly(true);
    edit->setAlignment(options.align == Align::Centre ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    return edit;
}

} // namespace

TextBox::TextBox(Window& window, const std::string& objectName, const Rect& twips, Options options)
    : Control(makeEditor(window.clientArea(), options), objectName, twips),
      multiLine_(options.multiLine), mark_(options.mark) {
    widget_->setVisible(options.visible);
    hideSelection();
}

void TextBox::setBackColor(ColourNumber colour) {
    Control::setBackColor(colour);
    hideSelection();
}

void TextBox::setForeColor(ColourNumber colour) {
    Control::setForeColor(colour);
    hideSelection();
}

// A mark's selection is drawn in the box's own colours, so that whatever is selected, by the
// mouse or otherwise, the mark reads the same.
void TextBox::hideSelection() {
    if (!mark_) {
        return;
    }
    QPalette p = widget_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Highlight, p.color(group, QPalette::Base));
        p.setColor(group, QPalette::HighlightedText, p.color(group, QPalette::Text));
    }
    widget_->setPalette(p);
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
