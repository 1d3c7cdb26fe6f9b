#include "ExplorerBar.h"

#include <QMouseEvent>

namespace vantrel {

CExplorerBar::CExplorerBar(QWidget* parent)
    : QWidget(parent),
      recorderPane_(new CKORTreeCtrl(CKORTreeCtrl::Role::Recorder, context_, this)),
      pcPane_(new CKORTreeCtrl(CKORTreeCtrl::Role::Pc, context_, this)), activeTree_(pcPane_) {
    setObjectName(QStringLiteral("ExplorerBar"));
    setMouseTracking(true);
    context_.recorderPane = recorderPane_;
    context_.pcPane = pcPane_;
    context_.treeActivated = [this](CKORTreeCtrl* tree) { activeTree_ = tree; };
}

CExplorerBar::~CExplorerBar() {
    // The trees use the context; they go before it does.
    context_.treeActivated = nullptr;
    delete recorderPane_;
    delete pcPane_;
}

void CExplorerBar::Build() {
    recorderPane_->Build();
    pcPane_->Build();
}

bool CExplorerBar::SetDivider(int y) {
    if (y <= kSmallestDivider)
        return false;
    divider_ = y;
    LayOut();
    return true;
}

void CExplorerBar::resizeEvent(QResizeEvent*) {
    LayOut();
}

void CExplorerBar::LayOut() {
    // A divider kept from a taller bar leaves the PC pane room of its own.
    const int y = std::max(kSmallestDivider + 1, std::min(divider_, height() - kSmallestDivider));
    const int w = width();
    recorderPane_->setGeometry(0, 0, w, std::max(0, y - kGap));
    pcPane_->setGeometry(0, y + kGap, w, std::max(0, height() - y - kGap));
}

void CExplorerBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OverDivider(event->position().toPoint().y())) {
        dragging_ = true;
        return;
    }
    QWidget::mousePressEvent(event);
}

void CExplorerBar::mouseMoveEvent(QMouseEvent* event) {
    const int y = event->position().toPoint().y();
    if (dragging_) {
        SetDivider(y);
        return;
    }
    setCursor(OverDivider(y) ? Qt::SizeVerCursor : Qt::ArrowCursor);
}

void CExplorerBar::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace vantrel
