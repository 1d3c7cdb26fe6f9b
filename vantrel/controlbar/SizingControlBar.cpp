#include "SizingControlBar.h"

namespace vantrel {

CSizingControlBar::CSizingControlBar(const QString& title, const QString& section,
                                     QMainWindow* frame)
    : QDockWidget(title, frame), frame_(frame), section_(section) {
    setObjectName(section);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
}

BarState CSizingControlBar::State() const {
    BarState state;
    state.area = frame_->dockWidgetArea(const_cast<CSizingControlBar*>(this));
    state.floating = isFloating();
    state.floatingGeometry = isFloating() ? geometry() : QRect();
    const bool sideways =
        state.area == Qt::LeftDockWidgetArea || state.area == Qt::RightDockWidgetArea;
    state.breadth = sideways ? width() : height();
    state.visible = isVisibleTo(frame_);
    if (state.area == Qt::NoDockWidgetArea)
        state.area = Qt::LeftDockWidgetArea;
    return state;
}

bool CSizingControlBar::ApplyState(const BarState& state) {
    const auto area = static_cast<Qt::DockWidgetArea>(state.area);
    if (!isAreaAllowed(area))
        return false;
    DockAt(area);
    if (state.floating) {
        setFloating(true);
        setGeometry(state.floatingGeometry);
    } else if (state.breadth > 0) {
        breadth_ = state.breadth;
        ApplyBreadth();
    }
    setVisible(state.visible);
    return true;
}

void CSizingControlBar::SaveState(QSettings& settings) const {
    WriteBarState(settings, section_, State());
}

bool CSizingControlBar::LoadState(QSettings& settings) {
    const auto state = ReadBarState(settings, section_);
    return state && ApplyState(*state);
}

void CSizingControlBar::ApplyBreadth() {
    const Qt::DockWidgetArea area = frame_->dockWidgetArea(this);
    if (breadth_ <= 0 || isFloating() || area == Qt::NoDockWidgetArea)
        return;
    const bool sideways = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
    frame_->resizeDocks({this}, {breadth_}, sideways ? Qt::Horizontal : Qt::Vertical);
}

void CSizingControlBar::DockAt(Qt::DockWidgetArea area) {
    if (isFloating())
        setFloating(false);
    frame_->addDockWidget(area, this);
}

} // namespace vantrel
