#pragma once

#include "MapPlugin.h"

#include <QDialog>
#include <QTreeWidget>
#include <optional>

namespace vantrel {

// The program's version as the About box shows it.
inline constexpr auto kProgramVersion = "1.11";

// The rows of the About box: version and build dates of the program, the library and the map
// control, or "**NOT INSTALLED**" when there is no map control.
std::vector<std::pair<QString, QString>> AboutRows(const QString& programBuildDate,
                                                   const QString& libraryBuildDate,
                                                   const std::optional<MapPluginInfo>& plugin);

// The library's build date through KORGetRevDate into a 512-byte buffer.
QString LibraryBuildDate();

// The program's build date, as the compiler gives it ("May 13 2004").
QString ProgramBuildDate();

// "About Velmora Skyline Explorer": the icon, the product's name, the two-column list and OK.
class CAboutBox : public QDialog {
    Q_OBJECT
public:
    CAboutBox(const std::optional<MapPluginInfo>& plugin, QWidget* parent = nullptr);

    const QTreeWidget& List() const { return *list_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidget* list_;
};

} // namespace vantrel
