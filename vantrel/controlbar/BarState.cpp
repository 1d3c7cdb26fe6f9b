#include "BarState.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr int kLargestBreadth = 20000;

bool KnownArea(int area) {
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ||
           area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
}

// A whole number of a key, or none when absent or not a number.
std::optional<int> Number(const QSettings& settings, const QString& key) {
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

void WriteBarState(QSettings& settings, const QString& section, const BarState& state) {
    settings.beginGroup(section);
    settings.setValue(QStringLiteral("Area"), state.area);
    settings.setValue(QStringLiteral("Floating"), state.floating ? 1 : 0);
    settings.setValue(QStringLiteral("FloatingRect"), QStringLiteral("%1,%2,%3,%4")
                                                          .arg(state.floatingGeometry.x())
                                                          .arg(state.floatingGeometry.y())
                                                          .arg(state.floatingGeometry.width())
                                                          .arg(state.floatingGeometry.height()));
    settings.setValue(QStringLiteral("Breadth"), state.breadth);
    settings.setValue(QStringLiteral("Visible"), state.visible ? 1 : 0);
    settings.endGroup();
}

std::optional<BarState> ReadBarState(QSettings& settings, const QString& section) {
    settings.beginGroup(section);
    const auto area = Number(settings, QStringLiteral("Area"));
    const auto floating = Number(settings, QStringLiteral("Floating"));
    const auto breadth = Number(settings, QStringLiteral("Breadth"));
    const auto visible = Number(settings, QStringLiteral("Visible"));
    const QStringList rect = settings.value(QStringLiteral("FloatingRect")).toString().split(u',');
    settings.endGroup();
    if (!area || !floating || !breadth || !visible || !KnownArea(*area))
        return std::nullopt;
    BarState state;
    state.area = *area;
    state.floating = *floating != 0;
    state.breadth = std::clamp(*breadth, 0, kLargestBreadth);
    state.visible = *visible != 0;
    if (rect.size() == 4) {
        bool ok[4] = {};
        state.floatingGeometry = QRect(rect[0].toInt(&ok[0]), rect[1].toInt(&ok[1]),
                                       rect[2].toInt(&ok[2]), rect[3].toInt(&ok[3]));
        if (!(ok[0] && ok[1] && ok[2] && ok[3]))
            state.floatingGeometry = {};
    }
    const bool usableRect = state.floatingGeometry.width() > 0 &&
                            state.floatingGeometry.height() > 0 &&
                            state.floatingGeometry.width() <= kLargestBreadth &&
                            state.floatingGeometry.height() <= kLargestBreadth;
    if (state.floating && !usableRect)
        return std::nullopt;
    return state;
}

} // namespace vantrel
