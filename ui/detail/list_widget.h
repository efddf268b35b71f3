#pragma once

// Used only inside ui/.

#include <QListWidget>

namespace ui {

class ListBox;

namespace detail {

// The toolkit's list behind a visible ListBox: a single-selection list in which the learner can
// move the selection but not clear it, as in a classic list box. Whatever route a selection
// comes by (mouse, keys, or an assistive technology), the list ends with one selected row and the
// ListBox hears of it as the learner's. It scrolls only up and down; a phrase wider than the list
// is clipped at its edge.
class ListWidget : public QListWidget {
public:
    ListWidget(QWidget* parent, ListBox& owner);

    // The learner chose the row, as a click on it does: also when it is selected already.
    void clickRow(int row);
    int selectedRow() const;

    // While one is alive, selection changes are the ListBox's own doing and raise nothing.
    class Quiet {
    public:
        explicit Quiet(ListWidget& list) : list_(list) { ++list_.quiet_; }
        ~Quiet() { --list_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        ListWidget& list_;
    };

protected:
    void focusInEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void selectionMoved(const QItemSelection& selected);
    void frameFirstRowIfNoneChosen();
    void chooseFramedRow();
    // Tells assistive technology that the row has the focus, while the list has it.
    void tellFocus(int row);

    ListBox& owner_;
    int quiet_ = 0;
};

} // namespace detail
} // namespace ui
