#include "detail/list_widget.h"

#include "detail/guarded_accessible.h"
#include "detail/steady_palette.h"
#include "ui/list_box.h"

#include <QAccessible>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <QTimer>

namespace ui::detail {

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

ListWidget::ListWidget(QWidget* parent, ListBox& owner) : QListWidget(parent), owner_(owner) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A list box's scroll bar keeps the system's colours, whatever the list's own.
    holdSteadyPalette(verticalScrollBar());
    // Every item is one line of the list's font: the view need not measure each of them.
    setUniformItemSizes(true);
    setItemDelegate(new LineDelegate(this));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                selectionMoved(selected);
            });
    forgetEarlyInterface(this);
}

void ListWidget::clickRow(int row) {
    owner_.learnerClicked(row);
}

int ListWidget::selectedRow() const {
    return owner_.listIndex();
}

// The toolkit tells assistive technology of the list's focus only once this has run, so the
// selected row's focus follows when the event is done: a screen reader then says which phrase the
// learner is at, not only which list. With no row selected the first row is framed as the
// current one, as in a list box (the toolkit does so only until a current row was first set);
// that row is not chosen, and is not told.
void ListWidget::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) {
        frameFirstRowIfNoneChosen();
    }
    QTimer::singleShot(0, this, [this] {
        if (currentRow() >= 0 && currentRow() == owner_.listIndex()) {
            tellFocus(currentRow());
        }
    });
}

void ListWidget::frameFirstRowIfNoneChosen() {
    if (owner_.listIndex() < 0 && count() > 0 && currentRow() != 0) {
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
}

// The toolkit tells of the focus where the current row moves; the framed row is current already.
void ListWidget::chooseFramedRow() {
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    tellFocus(currentRow());
}

void ListWidget::tellFocus(int row) {
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
}

// With nothing selected, the arrows and Space choose the framed row; Home, End, Page Up and Page
// Down move from it and choose the row they land on, the framed one too.
void ListWidget::keyPressEvent(QKeyEvent* event) {
    if (!currentIndex().isValid()) {
        frameFirstRowIfNoneChosen(); // the list took the focus by a click beside its rows
    }
    const QModelIndex framed = currentIndex();
    if (owner_.listIndex() >= 0 || !framed.isValid() ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Select:
        chooseFramedRow();
        event->accept();
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QListWidget::keyPressEvent(event);
        if (owner_.listIndex() < 0 && currentIndex() == framed) {
            chooseFramedRow();
        }
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

// The toolkit's list tells of the new current row's focus even where the list has none, which
// would take a screen reader away from the control the learner is at, and of a current row that
// is not selected, which would be heard as chosen: only a list with the focus tells it, and only
// of the selected row.
void ListWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus() && (!current.isValid() || current.row() == owner_.listIndex())) {
        QListWidget::currentChanged(current, previous);
    } else {
        QAbstractItemView::currentChanged(current,
                                          previous); // NOLINT(bugprone-parent-virtual-call)
    }
}

// A row that became selected is the learner's choice, whoever passed it on; a selection that
// was only taken away is put back, since the learner cannot clear it.
void ListWidget::selectionMoved(const QItemSelection& selected) {
    if (quiet_ > 0) {
        return;
    }
    const QModelIndexList rows = selected.indexes();
    if (rows.isEmpty()) {
        owner_.showSelection();
        return;
    }
    owner_.learnerSelected(rows.first().row());
}

// A click on the item that is already selected moves nothing, yet it is a click. A click that
// chooses the framed row does not move the current row, so the toolkit tells nothing of it.
void ListWidget::mousePressEvent(QMouseEvent* event) {
    const unsigned before = owner_.clicks_;
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool framed =
        index.isValid() && index == currentIndex() && index.row() != owner_.selected_;
    QListWidget::mousePressEvent(event);
    if (framed && index.row() == owner_.selected_) {
        tellFocus(index.row());
    }
    if (event->button() != Qt::LeftButton || owner_.clicks_ != before) {
        return;
    }
    if (index.isValid() && index.row() == owner_.selected_) {
        owner_.raiseClick();
    }
}

// A click with Ctrl held selects like a plain click.
QItemSelectionModel::SelectionFlags ListWidget::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    const auto flags = QListWidget::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return flags;
}

} // namespace ui::detail
