#include "detail/accessibility.h"
#include "detail/list_widget.h"
#include "detail/said_once.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QScrollBar>
#include <utility>

namespace ui::detail {

namespace {

// One item of a list, for assistive technology: its text, where it shows, whether it is
// selected, and its action, which is a click on it.
class ItemAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleTableCellInterface {
public:
    ItemAccessible(ListWidget* list, const QModelIndex& index) : list_(list), index_(index) {}

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) {
            return {};
        }
        return index_.data(Qt::DisplayRole).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect r = list_->visualRect(index_);
        return QRect(list_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = list_->hasFocus() && list_->currentIndex() == QModelIndex(index_);
        s.disabled = !list_->isEnabled();
        const QRect shown = list_->visualRect(index_);
        if (!list_->isVisible() || !list_->viewport()->rect().intersects(shown)) {
            s.invisible = !list_->isVisible();
            s.offscreen = true;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    // Press and Toggle alike choose the item, as a click does; neither can take the selection
    // away, as the mouse cannot.
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && list_->isEnabled() && (name == pressAction() || name == toggleAction())) {
            list_->clickRow(index_.row());
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // As the list shows it, also while the list tells of a change its owner has yet to hear of.
    bool isSelected() const override {
        return isValid() && list_->selectionModel()->isRowSelected(index_.row(), QModelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? 0 : -1; }
    int rowIndex() const override { return isValid() ? index_.row() : -1; }
    int columnExtent() const override { return isValid() ? 1 : 0; }
    int rowExtent() const override { return isValid() ? 1 : 0; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<ListWidget> list_;
    QPersistentModelIndex index_;
};

// A list for assistive technology: its items as children, and as the rows of a one-column
// table. Selecting a row is a click on it; a row cannot be unselected.
class ListAccessible : public SaidOnce<QAccessibleWidget>, public QAccessibleTableInterface {
public:
    explicit ListAccessible(ListWidget* list)
        : SaidOnce(list, QAccessible::List),
          nowhere_(QAccessible::registerAccessibleInterface(new ItemAccessible(list, {}))) {}
    ~ListAccessible() override {
        for (QAccessible::Id id : std::as_const(items_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        QAccessible::deleteAccessibleInterface(nowhere_);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return list() ? list()->count() : 0; }
    QAccessibleInterface* child(int row) const override {
        ListWidget* l = list();
        if (!l || row < 0 || row >= l->count()) {
            return nullptr;
        }
        if (QAccessibleInterface* known = itemAt(row)) {
            return known;
        }
        sortOut();
        if (QAccessibleInterface* known = itemAt(row)) {
            return known;
        }
        auto* item = new ItemAccessible(l, l->model()->index(row, 0));
        items_.insert(row, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->isValid()) {
            return -1;
        }
        auto* item = const_cast<QAccessibleInterface*>(child);
        const QAccessible::Id id = QAccessible::uniqueId(item);
        for (auto it = items_.cbegin(); it != items_.cend(); ++it) {
            if (it.value() == id && item->isValid()) {
                return item->tableCellInterface()->rowIndex();
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        ListWidget* l = list();
        if (!l) {
            return nullptr;
        }
        const QModelIndex index = l->indexAt(l->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    // The toolkit's bridge asks a cell for its extents without looking whether there is one,
    // so a row or column that is not there gives a cell that is nowhere: invalid, with no extent.
    QAccessibleInterface* cellAt(int row, int column) const override {
        QAccessibleInterface* cell = column == 0 ? child(row) : nullptr;
        return cell ? cell : nowhere();
    }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) {
            cells << child(row);
        }
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return list() && list()->selectedRow() >= 0 ? 1 : 0; }
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        const int row = list() ? list()->selectedRow() : -1;
        return row >= 0 ? QList<int>{row} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        return row >= 0 && list() && list()->selectedRow() == row;
    }
    bool selectRow(int row) override {
        ListWidget* l = list();
        if (!l || !l->isEnabled() || row < 0 || row >= l->count()) {
            return false;
        }
        l->clickRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { sortOut(); }

private:
    ListWidget* list() const { return static_cast<ListWidget*>(widget()); }

    // The cell that is nowhere, made again should the toolkit have let it go.
    QAccessibleInterface* nowhere() const {
        QAccessibleInterface* cell = QAccessible::accessibleInterface(nowhere_);
        if (!cell) {
            cell = new ItemAccessible(list(), {});
            nowhere_ = QAccessible::registerAccessibleInterface(cell);
        }
        return cell;
    }

    QAccessibleInterface* itemAt(int row) const {
        const auto found = items_.constFind(row);
        if (found == items_.cend()) {
            return nullptr;
        }
        QAccessibleInterface* item = QAccessible::accessibleInterface(found.value());
        return item && item->isValid() && item->tableCellInterface()->rowIndex() == row ? item
                                                                                        : nullptr;
    }

    // Rows come and go under the items: each item follows its own row, and one whose row is
    // gone goes too.
    void sortOut() const {
        QHash<int, QAccessible::Id> kept;
        for (QAccessible::Id id : std::as_const(items_)) {
            QAccessibleInterface* item = QAccessible::accessibleInterface(id);
            if (item && item->isValid() && !kept.contains(item->tableCellInterface()->rowIndex())) {
                kept.insert(item->tableCellInterface()->rowIndex(), id);
            } else {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
        items_ = kept;
    }

    mutable QHash<int, QAccessible::Id> items_;
    mutable QAccessible::Id nowhere_;
};

} // namespace

QAccessibleInterface* listAccessible(const QString&, QObject* object) {
    if (auto* list = dynamic_cast<ListWidget*>(object)) {
        return new ListAccessible(list);
    }
    return nullptr;
}

} // namespace ui::detail
