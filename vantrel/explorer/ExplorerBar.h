#pragma once

#include "ExplorerContext.h"
#include "KORTreeCtrl.h"

#include <QWidget>
#include <memory>

namespace vantrel {

// The contents of the explorer bar: the recorder pane on top and the PC pane below, split at a
// divider the user drags. Each pane stops 3 pixels short of the divider; a divider position of
// 20 pixels or less is not taken.
class CExplorerBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kInitialDivider = 100;
    static constexpr int kGap = 3;
    static constexpr int kSmallestDivider = 20;

    explicit CExplorerBar(QWidget* parent = nullptr);
    ~CExplorerBar() override;

    ExplorerContext& Context() { return context_; }
    CKORTreeCtrl& RecorderPane() { return *recorderPane_; }
    CKORTreeCtrl& PcPane() { return *pcPane_; }
    // The tree that has, or last had, the focus; the PC pane before either had it.
    CKORTreeCtrl& ActiveTree() { return *activeTree_; }

    int Divider() const { return divider_; }
    // Moves the divider; false (and nothing moved) for 20 pixels or less.
    bool SetDivider(int y);

    // Builds both panes.
    void Build();

    QSize sizeHint() const override { return {240, 400}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool OverDivider(int y) const { return std::abs(y - divider_) <= kGap; }
    void LayOut();

    ExplorerContext context_;
    CKORTreeCtrl* recorderPane_;
    CKORTreeCtrl* pcPane_;
    CKORTreeCtrl* activeTree_;
    int divider_ = kInitialDivider;
    bool dragging_ = false;
};

} // namespace vantrel
