#include "KORTreeCtrl.h"

#include "PcItems.h"
#include "commands/CommandIds.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMetaProperty>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vantrel {
namespace {

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

// The normal and selected images of an item by its record.
std::pair<int, int> ImagesOf(const ExplorerNode& node, bool connected) {
    switch (node.kind) {
    case NodeKind::RecorderRoot: {
        const int image = connected ? kRecorderConnectedImage : kRecorderNotConnectedImage;
        return {image, image};
    }
    case NodeKind::FlightLog: {
        if (node.onRecorder)
            return {kIgcLogImage, kIgcLogImage};
        const bool stored =
            QFileInfo(QString::fromStdString(node.path)).suffix().toLower() == QLatin1String("kor");
        const int image = stored ? kStoredLogImage : kIgcLogImage;
        return {image, image};
    }
    case NodeKind::RecorderTask:
        return {kTaskImage, kTaskImage};
    case NodeKind::Navpoints:
        return {kNavpointsImage, kNavpointsImage};
    case NodeKind::RecorderLogs:
    case NodeKind::Folder:
        return {kFolderImage, kOpenFolderImage};
    case NodeKind::RecorderTasks:
        return {kFolderImage, kFolderImage};
    case NodeKind::Workspace:
        return {kWorkspaceImage, kWorkspaceImage};
    case NodeKind::Airspace:
        return {kAirspaceImage, kAirspaceImage};
    }
    return {kFolderImage, kFolderImage};
}

} // namespace

// Hands a finished label edit to the tree, which decides whether the text is taken.
class LabelEditDelegate : public QStyledItemDelegate {
public:
    explicit LabelEditDelegate(CKORTreeCtrl* tree) : QStyledItemDelegate(tree), tree_(tree) {}

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const QByteArray property = editor->metaObject()->userProperty().name();
        const QString text = editor->property(property).toString();
        auto* item = static_cast<CExplorerItem*>(tree_->itemFromIndex(index));
        if (item)
            tree_->FinishLabelEdit(item, text);
    }

private:
    CKORTreeCtrl* tree_;
};

CKORTreeCtrl::CKORTreeCtrl(Role role, ExplorerContext& context, QWidget* parent)
    : CMultiTree(parent), role_(role), context_(context), images_(TreeImages()) {
    setObjectName(role == Role::Recorder ? QStringLiteral("RecorderPane")
                                         : QStringLiteral("PcPane"));
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(kImageSize);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    setItemDelegate(new LabelEditDelegate(this));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemExpanded, this, &CKORTreeCtrl::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CKORTreeCtrl::OnItemCollapsed);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &CKORTreeCtrl::OnItemDoubleClicked);
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            &CKORTreeCtrl::SelectionChangedForCommands);
    connect(this, &QTreeWidget::currentItemChanged, this,
            &CKORTreeCtrl::SelectionChangedForCommands);
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this](QWidget*) {
        labelEditAllowed_ = false;
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            (*it)->setFlags((*it)->flags() & ~Qt::ItemIsEditable);
    });
    RegisterCommands();
}

CKORTreeCtrl::~CKORTreeCtrl() {
    // The base classes delete the items; nothing of this class may run for them then.
    disconnect(this, nullptr, this, nullptr);
    disconnect(itemDelegate(), nullptr, this, nullptr);
}

void CKORTreeCtrl::Build() {
    clear();
    recorderRoot_ = nullptr;
    primary_ = nullptr;
    flashCards_ = {};
    flightLogFolder_ = nullptr;
    cutItems_.clear();
    if (IsRecorderPane())
        BuildRecorderPane();
    else
        BuildPcPane();
}

void CKORTreeCtrl::BuildRecorderPane() {
    ExplorerNode root;
    root.kind = NodeKind::RecorderRoot;
    root.onRecorder = true;
    root.label = kNotConnectedText;
    connected_ = false;
    recorderRoot_ = InsertItem(nullptr, root, false);
}

void CKORTreeCtrl::BuildPcPane() {
    const ProgramSettings settings;
    const WorkspaceList workspaces = ReadWorkspaces(settings);
    primary_ = InsertWorkspace(QLatin1String(kPrimaryWorkspaceName), workspaces.primary.path);
    if (!workspaces.primary.name.isEmpty())
        primary_->setText(0, workspaces.primary.name);
    for (const auto& entry : workspaces.others) {
        CExplorerItem* item = InsertWorkspace(QLatin1String(kPcWorkspaceName), entry.path);
        if (!entry.name.isEmpty())
            item->setText(0, entry.name);
    }
    primary_->setExpanded(true);
    if (settings.Integer(key::kFlashCardCheckOnStartup, 1) == 0)
        return;
    const std::array<QString, 2> folders{QStringLiteral("My Documents"), QStringLiteral("Flights")};
    for (std::size_t n = 0; n < folders.size(); ++n) {
        if (const auto folder = FindFlashCardFolder(folders[n], context_.volumes)) {
            flashCards_[n] = InsertWorkspace(QLatin1String(kFlashCardName), *folder);
            flashCards_[n]->setExpanded(true);
        }
    }
}

CExplorerItem* CKORTreeCtrl::InsertWorkspace(const QString& name, const QString& path) {
    ExplorerNode node;
    node.kind = NodeKind::Workspace;
    node.path = path.toStdString();
    node.label = WorkspaceLabel(name, path).toStdString();
    return InsertItem(nullptr, node, true);
}

void CKORTreeCtrl::SaveWorkspaces() const {
    if (IsRecorderPane() || !primary_)
        return;
    ProgramSettings settings;
    WriteWorkspaces(settings, Workspaces());
}

WorkspaceList CKORTreeCtrl::Workspaces() const {
    WorkspaceList list;
    if (!primary_)
        return list;
    list.primary = {QString::fromStdString(primary_->Node().path), primary_->text(0)};
    for (int i = 0; i < topLevelItemCount(); ++i) {
        CExplorerItem* item = ItemAt(i);
        if (item == primary_ || item == flashCards_[0] || item == flashCards_[1])
            continue;
        list.others.push_back({QString::fromStdString(item->Node().path), item->text(0)});
    }
    return list;
}

CExplorerItem* CKORTreeCtrl::InsertItem(CExplorerItem* parent, ExplorerNode node,
                                        bool showChildren) {
    auto* item = new CExplorerItem(std::move(node), nextSerial_++);
    item->setText(0, QString::fromStdString(item->Node().label));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    item->setChildIndicatorPolicy(showChildren ? QTreeWidgetItem::ShowIndicator
                                               : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    UpdateImage(item);
    return item;
}

void CKORTreeCtrl::UpdateImage(CExplorerItem* item) {
    const auto [normal, selected] = ImagesOf(item->Node(), connected_);
    QIcon icon;
    for (const QSize size : {kImageSize, kImageSize * 2}) {
        icon.addPixmap(images_[static_cast<std::size_t>(normal)].pixmap(size), QIcon::Normal);
        icon.addPixmap(images_[static_cast<std::size_t>(selected)].pixmap(size), QIcon::Selected);
    }
    item->setIcon(0, icon);
}

void CKORTreeCtrl::DeleteItem(CExplorerItem* item) {
    if (!item)
        return;
    ForgetSubtree(item);
    delete item;
}

void CKORTreeCtrl::ForgetSubtree(CExplorerItem* item) {
    for (int i = 0; i < item->childCount(); ++i)
        ForgetSubtree(item->Child(i));
    cutItems_.removeAll(item->Serial());
    if (item == flightLogFolder_)
        flightLogFolder_ = nullptr;
    if (item == dropHighlight_)
        dropHighlight_ = nullptr;
    for (auto& card : flashCards_)
        if (card == item)
            card = nullptr;
    if (item == primary_)
        primary_ = nullptr;
    if (item == recorderRoot_)
        recorderRoot_ = nullptr;
}

void CKORTreeCtrl::DeleteChildren(CExplorerItem* item) {
    if (!item)
        return;
    while (item->childCount() > 0)
        DeleteItem(item->Child(item->childCount() - 1));
}

void CKORTreeCtrl::ExpandFolder(CExplorerItem* item) {
    DeleteChildren(item);
    const auto nodes = ListFolder(item->Node().path);
    for (const auto& node : nodes)
        InsertItem(item, node, node.kind == NodeKind::Folder);
    item->setChildIndicatorPolicy(nodes.empty() ? QTreeWidgetItem::DontShowIndicatorWhenChildless
                                                : QTreeWidgetItem::ShowIndicator);
}

CExplorerItem* CKORTreeCtrl::AddFileItem(CExplorerItem* folder, const QString& path) {
    const auto kind = KindOfFileName(QFileInfo(path).fileName().toStdString());
    if (!folder || !kind)
        return nullptr;
    ExplorerNode node = FileNode(FsPath(path), *kind);
    // Keep the pane's order: the new item goes before the first child it comes before.
    int at = folder->childCount();
    for (int i = 0; i < folder->childCount(); ++i)
        if (ComesBefore(node, folder->Child(i)->Node())) {
            at = i;
            break;
        }
    auto* item = new CExplorerItem(std::move(node), nextSerial_++);
    item->setText(0, QString::fromStdString(item->Node().label));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    folder->insertChild(at, item);
    UpdateImage(item);
    folder->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

CExplorerItem* CKORTreeCtrl::ItemAt(int topLevelIndex) const {
    return static_cast<CExplorerItem*>(topLevelItem(topLevelIndex));
}

CExplorerItem* CKORTreeCtrl::Caret() const {
    return static_cast<CExplorerItem*>(currentItem());
}

std::vector<CExplorerItem*> CKORTreeCtrl::Selection() const {
    std::vector<CExplorerItem*> items;
    for (QTreeWidgetItem* item : SelectedItems())
        items.push_back(static_cast<CExplorerItem*>(item));
    return items;
}

bool CKORTreeCtrl::AllSelectedAre(NodeKind kind) const {
    const auto items = Selection();
    return !items.empty() && std::all_of(items.begin(), items.end(),
                                         [kind](auto* item) { return item->Node().kind == kind; });
}

CExplorerItem* CKORTreeCtrl::FindChild(CExplorerItem* parent, const QString& path) const {
    const std::string wanted = path.toStdString();
    const int count = parent ? parent->childCount() : topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        CExplorerItem* item = parent ? parent->Child(i) : ItemAt(i);
        if (item->Node().path == wanted)
            return item;
    }
    return nullptr;
}

CExplorerItem* CKORTreeCtrl::FindSerial(std::uint32_t serial) const {
    for (QTreeWidgetItemIterator it(const_cast<CKORTreeCtrl*>(this)); *it; ++it)
        if (static_cast<CExplorerItem*>(*it)->Serial() == serial)
            return static_cast<CExplorerItem*>(*it);
    return nullptr;
}

void CKORTreeCtrl::SetConnected(bool connected) {
    connected_ = connected;
    if (recorderRoot_)
        UpdateImage(recorderRoot_);
}

void CKORTreeCtrl::OnItemExpanded(QTreeWidgetItem* widgetItem) {
    auto* item = static_cast<CExplorerItem*>(widgetItem);
    if (IsRecorderPane() || !item->Node().IsFolder())
        return;
    ExpandFolder(item);
    const QString flightLogPath = ProgramSettings().Text(key::kFlightLogPath, QString());
    if (!flightLogPath.isEmpty() && QString::fromStdString(item->Node().path) == flightLogPath)
        flightLogFolder_ = item;
}

void CKORTreeCtrl::OnItemCollapsed(QTreeWidgetItem* widgetItem) {
    if (widgetItem == flightLogFolder_)
        flightLogFolder_ = nullptr;
}

void CKORTreeCtrl::OnItemDoubleClicked(QTreeWidgetItem* widgetItem) {
    auto* item = static_cast<CExplorerItem*>(widgetItem);
    const ExplorerNode& node = item->Node();
    if (node.kind == NodeKind::RecorderRoot) {
        Send(connected_ ? cmd::kRecorderProperties : cmd::kConnect);
    } else if (node.onRecorder && node.kind == NodeKind::FlightLog) {
        Send(cmd::kTransferToPc);
    } else if (node.IsPcItem() && node.IsFile() && context_.openDocument) {
        context_.openDocument(QString::fromStdString(node.path));
    }
}

void CKORTreeCtrl::Send(int id) {
    if (context_.sendCommand)
        context_.sendCommand(id);
    else
        commands_.Execute(id);
}

QString CKORTreeCtrl::ChooseFolder(const QString& title, const QString& start) {
    if (context_.chooseFolder)
        return context_.chooseFolder(this, title, start);
    return QFileDialog::getExistingDirectory(this, title, start);
}

void CKORTreeCtrl::focusInEvent(QFocusEvent* event) {
    if (context_.treeActivated)
        context_.treeActivated(this);
    CMultiTree::focusInEvent(event);
}

void CKORTreeCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    if (dropHighlight_ && itemFromIndex(index) == dropHighlight_) {
        QStyleOptionViewItem highlighted(option);
        highlighted.state |= QStyle::State_Selected;
        CMultiTree::drawRow(painter, highlighted, index);
        return;
    }
    CMultiTree::drawRow(painter, option, index);
}

} // namespace vantrel
