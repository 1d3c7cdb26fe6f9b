#pragma once

#include <QBasicTimer>
#include <QPoint>
#include <QPointer>
#include <QRubberBand>
#include <QTreeWidget>
#include <memory>

namespace vantrel {

// A tree with multiple selection, kept in the items' selected state apart from the caret
// (current) item: a click selects one item, Ctrl+click toggles one, Shift+click selects the
// visible items between the caret and the clicked one (Ctrl+Shift keeps the others). Pressing
// the left button on empty space draws a rubber band that selects every item it touches (a
// plain band first clears the selection, with Ctrl or Shift the old one stays), scrolls while
// the pointer is outside, and Escape clears the selection and ends it. Moving a pressed left or
// right button beyond the drag distance from an item starts a drag of the selection.
class CMultiTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CMultiTree(QWidget* parent = nullptr);
    ~CMultiTree() override;

    // The selected items in tree order.
    QList<QTreeWidgetItem*> SelectedItems() const;
    // Makes one item the only selected item and the caret.
    void SelectOnly(QTreeWidgetItem* item);
    void ClearSelection();
    // Selects the visible items from `first` to `last` (either order), keeping the others.
    void SelectRange(QTreeWidgetItem* first, QTreeWidgetItem* last);

    bool RubberBandActive() const { return band_ != nullptr; }

    // Turns drags off for trees that must not start them.
    void SetDragDisabled(bool disabled) { dragDisabled_ = disabled; }

signals:
    // Sent after an item's selected state changed.
    void ItemSelectionChanged(QTreeWidgetItem* item, bool selected);

protected:
    // Starts a drag of the selection; the explorer tree decides what is dragged.
    virtual void BeginDrag() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void UpdateBand(QPoint viewportPoint);
    void EndBand();
    void AutoScroll();

    bool dragDisabled_ = false;
    // The rubber band: where it started (in content coordinates), what was selected before.
    std::unique_ptr<QRubberBand> band_;
    QPoint bandOrigin_;
    QPoint bandPointer_;
    QList<QTreeWidgetItem*> keptSelection_;
    QBasicTimer scrollTimer_;
    // A right-button press on an item, for right-button drags.
    QPoint rightPress_;
    bool rightPressed_ = false;
};

} // namespace vantrel
