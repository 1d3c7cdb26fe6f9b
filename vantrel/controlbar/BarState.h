#pragma once

#include <QByteArray>
#include <QRect>
#include <QSettings>
#include <QString>
#include <optional>

namespace vantrel {

// Where a docking bar was and how big: the dock side (a Qt::DockWidgetArea value), whether it
// floated and where, its size along the side's breadth, and whether it was shown.
struct BarState {
    int area = 0;
    bool floating = false;
    QRect floatingGeometry;
    int breadth = 0;
    bool visible = true;

    bool operator==(const BarState&) const = default;
};

// Writes a bar's state into a section of a settings store.
void WriteBarState(QSettings& settings, const QString& section, const BarState& state);

// Reads a bar's state from a section; none when the section is absent or does not hold a
// usable state (an unknown side, a floating rectangle of no size).
std::optional<BarState> ReadBarState(QSettings& settings, const QString& section);

} // namespace vantrel
