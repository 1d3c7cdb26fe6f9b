#include "MultiTree.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimerEvent>

namespace vantrel {
namespace {

constexpr int kScrollInterval = 75; // ms

} // namespace

CMultiTree::CMultiTree(QWidget* parent) : QTreeWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAutoScroll(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QModelIndex& index : selected.indexes())
                    emit ItemSelectionChanged(itemFromIndex(index), true);
                for (const QModelIndex& index : deselected.indexes())
                    emit ItemSelectionChanged(itemFromIndex(index), false);
            });
}

CMultiTree::~CMultiTree() {
    // The items go in the base class's destructor; their selection is no news by then.
    disconnect(selectionModel(), nullptr, this, nullptr);
}

QList<QTreeWidgetItem*> CMultiTree::SelectedItems() const {
    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(const_cast<CMultiTree*>(this),
                                    QTreeWidgetItemIterator::Selected);
         *it; ++it)
        items << *it;
    return items;
}

void CMultiTree::SelectOnly(QTreeWidgetItem* item) {
    clearSelection();
    if (!item)
        return;
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
}

void CMultiTree::ClearSelection() {
    clearSelection();
}

void CMultiTree::SelectRange(QTreeWidgetItem* first, QTreeWidgetItem* last) {
    if (!first || !last)
        return;
    if (visualItemRect(first).top() > visualItemRect(last).top())
        std::swap(first, last);
    for (QTreeWidgetItem* item = first; item; item = itemBelow(item)) {
        item->setSelected(true);
        if (item == last)
            break;
    }
}

void CMultiTree::mousePressEvent(QMouseEvent* event) {
    rightPressed_ = false;
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !item) {
        const bool keep = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
        keptSelection_ = keep ? SelectedItems() : QList<QTreeWidgetItem*>{};
        if (!keep)
            clearSelection();
        bandOrigin_ = event->position().toPoint() + QPoint(0, verticalOffset());
        bandPointer_ = event->position().toPoint();
        band_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle, viewport());
        band_->setGeometry(QRect(event->position().toPoint(), QSize()));
        band_->show();
        return;
    }
    // Ctrl and Shift clicks by the explorer's rules; a plain click is Qt's own, which keeps a
    // selection that is about to be dragged.
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (event->button() == Qt::LeftButton && item && modifiers != Qt::NoModifier &&
        visualItemRect(item).contains(event->position().toPoint())) {
        if (modifiers & Qt::ShiftModifier) {
            QTreeWidgetItem* caret = currentItem() ? currentItem() : item;
            if (!(modifiers & Qt::ControlModifier))
                clearSelection();
            SelectRange(caret, item);
        } else {
            item->setSelected(!item->isSelected());
        }
        setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        return;
    }
    if (event->button() == Qt::RightButton && item) {
        rightPress_ = event->position().toPoint();
        rightPressed_ = true;
    }
    QTreeWidget::mousePressEvent(event);
}

void CMultiTree::mouseMoveEvent(QMouseEvent* event) {
    if (band_) {
        bandPointer_ = event->position().toPoint();
        UpdateBand(bandPointer_);
        const bool outside = !viewport()->rect().contains(bandPointer_);
        if (outside && !scrollTimer_.isActive())
            scrollTimer_.start(kScrollInterval, this);
        else if (!outside)
            scrollTimer_.stop();
        return;
    }
    if (rightPressed_ && (event->buttons() & Qt::RightButton) &&
        (event->position().toPoint() - rightPress_).manhattanLength() >=
            QApplication::startDragDistance()) {
        rightPressed_ = false;
        if (!dragDisabled_)
            BeginDrag();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CMultiTree::mouseReleaseEvent(QMouseEvent* event) {
    rightPressed_ = false;
    if (band_) {
        EndBand();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CMultiTree::keyPressEvent(QKeyEvent* event) {
    if (band_ && event->key() == Qt::Key_Escape) {
        clearSelection();
        EndBand();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CMultiTree::timerEvent(QTimerEvent* event) {
    if (event->timerId() == scrollTimer_.timerId()) {
        AutoScroll();
        return;
    }
    QTreeWidget::timerEvent(event);
}

void CMultiTree::startDrag(Qt::DropActions) {
    if (!dragDisabled_)
        BeginDrag();
}

void CMultiTree::UpdateBand(QPoint viewportPoint) {
    // The band in content coordinates, so that it keeps its origin while the tree scrolls.
    const QPoint offset(0, verticalOffset());
    const QRect band = QRect(bandOrigin_, viewportPoint + offset).normalized();
    band_->setGeometry(band.translated(-offset).intersected(viewport()->rect()));
    for (QTreeWidgetItem* item = topLevelItemCount() ? topLevelItem(0) : nullptr; item;
         item = itemBelow(item)) {
        const bool touched = visualItemRect(item).translated(offset).intersects(band);
        const bool selected = touched || keptSelection_.contains(item);
        if (item->isSelected() != selected)
            item->setSelected(selected);
    }
}

void CMultiTree::EndBand() {
    scrollTimer_.stop();
    band_.reset();
    keptSelection_.clear();
}

void CMultiTree::AutoScroll() {
    if (!band_)
        return;
    QScrollBar* bar = verticalScrollBar();
    if (bandPointer_.y() < 0)
        bar->setValue(bar->value() - bar->singleStep());
    else if (bandPointer_.y() > viewport()->height())
        bar->setValue(bar->value() + bar->singleStep());
    UpdateBand(bandPointer_);
}

} // namespace vantrel
