#include "NavpointListWidget.h"

#include "NavpointColumns.h"
#include "interface/Translator.h"

#include <QFontDatabase>
#include <QHeaderView>

namespace korlink {

NavpointListWidget::NavpointListWidget(const CTranslator& translator, QWidget* parent)
    : QTreeWidget(parent) {
    QStringList headings;
    for (const char* heading :
         {"ID", "Name", "Latitude", "Longitude", "Attributes", "Elevation", "Remark"})
        headings << QString::fromStdString(translator.Translate(heading));
    setHeaderLabels(headings);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Degrees and minutes line up in a fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(fixed);
    header()->setFont(QFont());
    header()->setStretchLastSection(true);
}

void NavpointListWidget::Show(const std::vector<const navpoints::Navpoint*>& navpoints,
                              double elevationFactor) {
    clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(navpoints.size()));
    for (const auto* navpoint : navpoints) {
        QStringList texts;
        for (const auto& text : NavpointColumns(*navpoint, elevationFactor))
            texts << QString::fromStdString(text);
        auto* row = new QTreeWidgetItem(texts);
        row->setData(0, Qt::UserRole, navpoint->Id());
        rows << row;
    }
    addTopLevelItems(rows);
    for (int column = 0; column < columnCount() - 1; ++column)
        resizeColumnToContents(column);
}

std::optional<int> NavpointListWidget::SelectedId() const {
    const auto selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem* NavpointListWidget::RowOf(int id) const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->data(0, Qt::UserRole).toInt() == id)
            return topLevelItem(row);
    }
    return nullptr;
}

} // namespace korlink
