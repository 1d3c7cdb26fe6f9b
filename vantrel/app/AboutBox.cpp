#include "AboutBox.h"

#include "icons/IconSet.h"
#include "korlink/korlink.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace vantrel {

std::vector<std::pair<QString, QString>> AboutRows(const QString& programBuildDate,
                                                   const QString& libraryBuildDate,
                                                   const std::optional<MapPluginInfo>& plugin) {
    std::vector<std::pair<QString, QString>> rows{
        {QStringLiteral("Version:"), QLatin1String(kProgramVersion)},
        {QStringLiteral("  Build Date:"), QStringLiteral("  ") + programBuildDate},
        {QStringLiteral("DLL Name:"), QStringLiteral("libkorlink.so")},
        {QStringLiteral("  Build Date:"), QStringLiteral("  ") + libraryBuildDate},
    };
    if (plugin) {
        rows.emplace_back(QStringLiteral("OCX Name:"), QLatin1String(kMapPluginFile));
        rows.emplace_back(QStringLiteral("  Build Date:"),
                          QStringLiteral("  ") + plugin->buildDate);
        rows.emplace_back(QStringLiteral("  Version:"), QStringLiteral("  ") + plugin->version);
    } else {
        rows.emplace_back(QStringLiteral("OCX Name:"), QStringLiteral("**NOT INSTALLED**"));
    }
    return rows;
}

QString LibraryBuildDate() {
    std::array<char, 512> buffer{};
    const char* text = KORGetRevDate(buffer.data(), static_cast<std::int32_t>(buffer.size()));
    buffer.back() = '\0';
    return QString::fromLatin1(text ? text : buffer.data());
}

QString ProgramBuildDate() {
    return QString::fromLatin1(__DATE__);
}

CAboutBox::CAboutBox(const std::optional<MapPluginInfo>& plugin, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("About Velmora Skyline Explorer"));
    auto* icon = new QLabel(this);
    icon->setPixmap(RenderImage(QStringLiteral("application"), QSize(48, 48)));
    auto* name = new QLabel(QStringLiteral("Velmora Skyline Explorer"), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    for (const auto& [label, value] : AboutRows(ProgramBuildDate(), LibraryBuildDate(), plugin))
        list_->addTopLevelItem(new QTreeWidgetItem(QStringList{label, value}));
    list_->setFixedHeight(list_->sizeHintForRow(0) * list_->topLevelItemCount() +
                          2 * list_->frameWidth() + 4);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

void CAboutBox::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    list_->setColumnWidth(0, 100);
    list_->setColumnWidth(1, std::max(0, list_->viewport()->width() - 105));
}

} // namespace vantrel
