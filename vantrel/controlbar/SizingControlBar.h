#pragma once

#include "BarState.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QString>

namespace vantrel {

// A docking pane of the main window (the explorer bar, the analysis results bar): it docks on
// the sides it allows or floats, is resized by its splitter handle, and keeps its own state in
// a settings section of its own.
class CSizingControlBar : public QDockWidget {
    Q_OBJECT
public:
    // `section` names the settings section the bar keeps its state in.
    CSizingControlBar(const QString& title, const QString& section, QMainWindow* frame);

    const QString& StateSection() const { return section_; }

    // The bar's present place, size and visibility.
    BarState State() const;
    // Docks the bar where a state says (on an allowed side), floats or sizes it, and shows or
    // hides it. False when the state's side is not allowed; then nothing changes.
    bool ApplyState(const BarState& state);

    // Writes the state to the bar's section of `settings`.
    void SaveState(QSettings& settings) const;
    // Reads and applies the state from the bar's section; false (and nothing changed) when the
    // section holds no usable state.
    bool LoadState(QSettings& settings);

    // Docks the bar on a side of the frame.
    void DockAt(Qt::DockWidgetArea area);
    // Sizes a docked bar to the breadth its state asked for. Docks take sizes only once the
    // frame is shown, so the frame calls this after showing itself.
    void ApplyBreadth();
    // The breadth a docked bar gets when its state gives none.
    void SetDefaultBreadth(int breadth) { breadth_ = breadth; }

private:
    QMainWindow* frame_;
    QString section_;
    int breadth_ = 0;
};

} // namespace vantrel
