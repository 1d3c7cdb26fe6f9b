#pragma once

#include "navpoints/Navpoint.h"

#include <QTreeWidget>
#include <optional>
#include <vector>

namespace korlink {

class CTranslator;

// The seven-column navpoint list of the editors: id, name, latitude, longitude, attributes,
// elevation and remark. Each row keeps its navpoint's id.
class NavpointListWidget : public QTreeWidget {
public:
    explicit NavpointListWidget(const CTranslator& translator, QWidget* parent = nullptr);

    // Shows these navpoints, elevations in metres × `elevationFactor`.
    void Show(const std::vector<const navpoints::Navpoint*>& navpoints, double elevationFactor);
    // The id of the selected row; none without a selection.
    std::optional<int> SelectedId() const;
    // The row showing this id; none when there is none.
    QTreeWidgetItem* RowOf(int id) const;
};

} // namespace korlink
