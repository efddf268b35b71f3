#include "ui/list_box.h"

#include "ui/cp1251.h"
#include "ui/qt_convert.h"
#include "ui/steady_palette.h"
#include "ui/window.h"

#include <QHash>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStaticText>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <algorithm>

namespace ui {

using namespace detail;

namespace {

// Draws each item as one line of plain text, clipped at the list's edge as a classic list box
// does. A phrase drawn a second time keeps its laid-out text from then on, so a list that
// scrolls or loses an item does not shape all its visible phrases again, while the first paint
// of a new list stays as quick as plain drawing.
class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (option.state & QStyle::State_Active) ? QPalette::Active
                                                    : QPalette::Inactive;
        if (selected) {
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        }
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        drawLine(painter, option, index.data(Qt::DisplayRole).toString());
        painter->restore();
        if ((option.state & QStyle::State_HasFocus) && option.widget) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                                  option.widget);
        }
    }

    // Only the height counts: a row of a list box is as wide as the list, whatever the phrase,
    // so the list never scrolls sideways.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(1, option.fontMetrics.height() + 2);
    }

private:
    static constexpr int kMargin = 3;
    static constexpr qsizetype kMostKept = 4096; // a bound for lists of many thousand phrases

    void drawLine(QPainter* painter, const QStyleOptionViewItem& option,
                  const QString& text) const {
        if (option.font != font_ || kept_.size() >= kMostKept) {
            kept_.clear(); // laid out in another font, or too many kept
            font_ = option.font;
        }
        auto found = kept_.find(text);
        if (found == kept_.end()) {
            kept_.insert(text, QStaticText()); // seen once: drawn plainly this time
            painter->drawText(option.rect.adjusted(kMargin, 0, 0, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            return;
        }
        if (found->text().isNull()) {
            found->setText(text);
            found->setTextFormat(Qt::PlainText);
            found->setPerformanceHint(QStaticText::AggressiveCaching);
            found->prepare(QTransform(), option.font);
        }
        const qreal y = option.rect.top() + (option.rect.height() - found->size().height()) / 2;
        painter->drawStaticText(QPointF(option.rect.left() + kMargin, y), *found);
    }

    mutable QFont font_;
    mutable QHash<QString, QStaticText> kept_;
};

} // namespace

// A single-selection list in which the learner can move the selection but not clear it, as in a
// classic list box: a click with Ctrl held selects like a plain click. It scrolls only up and
// down; a phrase wider than the list is clipped at its edge.
class ListWidget : public QListWidget {
public:
    ListWidget(QWidget* parent, ListBox& owner) : QListWidget(parent), owner_(owner) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // A list box's scroll bar keeps the system's colours, whatever the list's own.
        holdSteadyPalette(verticalScrollBar());
        // Every item is one line of the list's font: the view need not measure each of them.
        setUniformItemSizes(true);
        setItemDelegate(new LineDelegate(this));
        connect(this, &QListWidget::itemSelectionChanged, this, [this] {
            const auto rows = selectionModel()->selectedRows();
            owner_.learnerSelected(rows.isEmpty() ? -1 : rows.first().row());
        });
    }

protected:
    // A click on the item that is already selected moves nothing, yet it is a click.
    void mousePressEvent(QMouseEvent* event) override {
        const unsigned before = owner_.clicks_;
        QListWidget::mousePressEvent(event);
        if (event->button() != Qt::LeftButton || owner_.clicks_ != before) {
            return;
        }
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index.row() == owner_.selected_) {
            owner_.raiseClick();
        }
    }

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        const auto flags = QListWidget::selectionCommand(index, event);
        if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
            return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        }
        return flags;
    }

private:
    ListBox& owner_;
};

// A hidden list is only data, kept here; until it is first shown a plain placeholder stands in
// for the toolkit's list, which is far dearer to make.
ListBox::ListBox(Window& window, const std::string& objectName, const Rect& twips, Options options)
    : Control(new QWidget(window.clientArea()), objectName, twips), sorted_(options.sorted) {
    widget_->setVisible(false);
    setVisible(options.visible);
}

void ListBox::setVisible(bool visible) {
    if (visible && !list_) {
        QWidget* placeholder = widget_;
        list_ = new ListWidget(placeholder->parentWidget(), *this);
        list_->setObjectName(placeholder->objectName());
        list_->setGeometry(placeholder->geometry());
        list_->setToolTip(placeholder->toolTip());
        list_->setAccessibleName(placeholder->accessibleName());
        if (placeholder->testAttribute(Qt::WA_SetFont)) {
            list_->setFont(placeholder->font());
        }
        if (placeholder->testAttribute(Qt::WA_SetPalette)) {
            list_->setPalette(placeholder->palette());
        }
        list_->setAutoFillBackground(placeholder->autoFillBackground());
        QWidget::setTabOrder(placeholder, list_); // the list takes the placeholder's place
        widget_ = list_;
        delete placeholder;
        const QSignalBlocker block(list_);
        for (const std::string& text : items_) {
            list_->addItem(toQt(text));
        }
        showSelection();
    }
    Control::setVisible(visible);
}

std::string ListBox::item(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    return items_[static_cast<std::size_t>(position)];
}

void ListBox::setItem(int position, const std::string& text) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_[static_cast<std::size_t>(position)] = text;
    if (sorted_) {
        keys_[static_cast<std::size_t>(position)] = sortKey(text);
    }
    if (list_) {
        const QSignalBlocker block(list_);
        list_->item(position)->setText(toQt(text));
    }
}

void ListBox::addItem(const std::string& text) {
    auto position = items_.size();
    if (sorted_) {
        std::string key = sortKey(text);
        // After any equal items, so equal texts keep the order in which they came.
        position = static_cast<std::size_t>(std::upper_bound(keys_.begin(), keys_.end(), key) -
                                            keys_.begin());
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(position), std::move(key));
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), text);
    if (selected_ >= static_cast<int>(position)) {
        ++selected_;
    }
    if (list_) {
        const QSignalBlocker block(list_);
        list_->insertItem(static_cast<int>(position), toQt(text));
        showSelection();
    }
}

void ListBox::removeItem(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_.erase(items_.begin() + position);
    if (sorted_) {
        keys_.erase(keys_.begin() + position);
    }
    if (selected_ == position) {
        selected_ = -1;
    } else if (selected_ > position) {
        --selected_;
    }
    if (list_) {
        const QSignalBlocker block(list_);
        delete list_->takeItem(position);
        showSelection();
    }
}

void ListBox::clear() {
    items_.clear();
    keys_.clear();
    selected_ = -1;
    if (list_) {
        const QSignalBlocker block(list_);
        list_->clear();
    }
}

void ListBox::setListIndex(int position) {
    if (position < -1 || position >= count()) {
        return;
    }
    if (position == selected_) {
        return;
    }
    selected_ = position;
    showSelection();
    if (selected_ >= 0) {
        raiseClick();
    }
}

void ListBox::learnerSelected(int position) {
    if (position == selected_) {
        return;
    }
    if (position < 0) {
        // The toolkit dropped the selection on its own: a list box keeps it.
        showSelection();
        return;
    }
    selected_ = position;
    raiseClick();
}

void ListBox::raiseClick() {
    ++clicks_;
    if (click_) {
        click_();
    }
}

void ListBox::showSelection() {
    if (!list_) {
        return;
    }
    const QSignalBlocker block(list_);
    if (selected_ < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
        return;
    }
    list_->setCurrentRow(selected_, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(selected_));
}

} // namespace ui
