#pragma once

#include "ExplorerContext.h"
#include "ExplorerItem.h"
#include "MultiTree.h"
#include "WorkspaceStore.h"
#include "commands/CommandMap.h"
#include "icons/IconSet.h"

#include <QPointer>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace vantrel {

// One explorer tree: the recorder pane (the connected recorder, its logs, navpoints and tasks)
// or the PC pane (workspaces, flash cards, their folders, flight logs, navpoint and airspace
// files). It builds itself, re-reads a folder from disk each time it is expanded, offers the
// pop-up menus, and handles the item commands: workspaces, rename, new folder, clipboard, drag
// and drop.
class CKORTreeCtrl : public CMultiTree, public CommandTarget {
    Q_OBJECT
public:
    enum class Role { Recorder, Pc };

    // The text of the recorder root while no recorder is connected.
    static constexpr auto kNotConnectedText = "Velmora Recorder (Not Connected)";

    CKORTreeCtrl(Role role, ExplorerContext& context, QWidget* parent = nullptr);
    ~CKORTreeCtrl() override;

    Role PaneRole() const { return role_; }
    bool IsRecorderPane() const { return role_ == Role::Recorder; }
    CommandMap& Commands() override { return commands_; }

    // Builds the pane: the recorder root not connected, or the workspaces and flash cards.
    void Build();
    // Writes the workspace list to the settings (PC pane).
    void SaveWorkspaces() const;

    // Items.
    CExplorerItem* InsertItem(CExplorerItem* parent, ExplorerNode node, bool showChildren);
    void DeleteItem(CExplorerItem* item);
    void DeleteChildren(CExplorerItem* item);
    // Re-reads a folder or workspace's children from disk.
    void ExpandFolder(CExplorerItem* item);
    // Adds a file under an expanded folder item by its extension (none for other files).
    CExplorerItem* AddFileItem(CExplorerItem* folder, const QString& path);
    // Sets an item's image by its record (recorder root by the connected flag).
    void UpdateImage(CExplorerItem* item);
    CExplorerItem* ItemAt(int topLevelIndex) const;
    CExplorerItem* Caret() const;
    std::vector<CExplorerItem*> Selection() const;
    // Whether every selected item is of a kind (false when nothing is selected).
    bool AllSelectedAre(NodeKind kind) const;
    // The item of a path among the children of `parent` (or the roots); none when absent.
    CExplorerItem* FindChild(CExplorerItem* parent, const QString& path) const;
    CExplorerItem* FindSerial(std::uint32_t serial) const;

    // Recorder pane state (filled by the recorder commands).
    CExplorerItem* RecorderRoot() const { return recorderRoot_; }
    bool Connected() const { return connected_; }
    void SetConnected(bool connected);

    // PC pane state.
    CExplorerItem* PrimaryWorkspace() const { return primary_; }
    CExplorerItem* FlashCard(int n) const { return flashCards_[static_cast<std::size_t>(n)]; }
    CExplorerItem* DefaultFlightLogFolderItem() const { return flightLogFolder_; }
    // The workspaces as the settings keep them (the flash cards left out).
    WorkspaceList Workspaces() const;

    // Workspace commands.
    void NewWorkspace();
    void ChangeWorkspace();
    void RemoveWorkspace(CExplorerItem* item);
    // Creates "New Folder" (or the next free "New Folder (n)") in the caret folder.
    void NewFolder();
    // Starts editing the caret item's label when it may be renamed.
    void Rename();
    // What a finished label edit does; false when refused (the item keeps its text).
    bool FinishLabelEdit(CExplorerItem* item, const QString& text);
    // Moves the selected files to the desktop's trash (folders only when empty).
    void DeleteFiles();

    // Clipboard.
    void Copy();
    void Cut();
    void Paste();
    void ClearCutMarks();
    bool HasCutItems() const { return !cutItems_.isEmpty(); }

    // The pop-up menu an item offers: its entries as (text, command) with sub-menus.
    struct MenuEntry {
        QString text;
        int id = 0;
        std::vector<MenuEntry> submenu;
    };
    std::vector<MenuEntry> PopupMenuOf(const CExplorerItem& item) const;
    // Builds the pop-up menu of an item (the caller shows and deletes it).
    QMenu* CreatePopupMenu(const CExplorerItem& item);

    // Drag and drop.
    // Whether a drag of these nodes may drop on `target` (null: empty space) with `action`.
    bool AcceptsDrop(const std::vector<ExplorerNode>& nodes, const CExplorerItem* target) const;
    // Carries out a drop of explorer nodes on a folder or workspace item (or recorder root).
    void DropNodes(const std::vector<ExplorerNode>& nodes, CExplorerItem* target,
                   Qt::DropAction action, CKORTreeCtrl* source);
    // The nodes a drag of the selection carries; empty when nothing may be dragged.
    std::vector<ExplorerNode> DraggableSelection() const;
    CExplorerItem* DropHighlight() const { return dropHighlight_; }

    // Displays the caret or selected PC files (the Display command and the Enter key).
    void DisplaySelection();

signals:
    // The selection or caret changed: command states may have changed.
    void SelectionChangedForCommands();

protected:
    void BeginDrag() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    friend class LabelEditDelegate;

    void BuildRecorderPane();
    void BuildPcPane();
    CExplorerItem* InsertWorkspace(const QString& name, const QString& path);
    void RegisterCommands();
    // Clears every reference the tree keeps into an item's subtree before it is deleted.
    void ForgetSubtree(CExplorerItem* item);
    void OnItemExpanded(QTreeWidgetItem* item);
    void OnItemCollapsed(QTreeWidgetItem* item);
    void OnItemDoubleClicked(QTreeWidgetItem* item);
    void ShowCutState(CExplorerItem* item, bool cut);
    void SetDropHighlight(CExplorerItem* item);
    bool HitsItemContent(const CExplorerItem* item, QPoint point) const;
    bool PaneVisible() const { return isVisible(); }
    void Send(int id);
    QString ChooseFolder(const QString& title, const QString& start);
    // Puts files into a folder item (copy or move), reports what failed once and adds items
    // for what arrived. The paths that arrived.
    QStringList PutFiles(const QStringList& paths, CExplorerItem* target, bool move);
    void ShowArrivedFile(CExplorerItem* target, const QString& path, bool makeCaret);
    void StartLabelEdit(CExplorerItem* item);

    Role role_;
    ExplorerContext& context_;
    CommandMap commands_;
    std::array<QIcon, kTreeImageCount> images_;
    std::uint32_t nextSerial_ = 1;
    // Recorder pane.
    CExplorerItem* recorderRoot_ = nullptr;
    bool connected_ = false;
    // PC pane.
    CExplorerItem* primary_ = nullptr;
    std::array<CExplorerItem*, 2> flashCards_{};
    CExplorerItem* flightLogFolder_ = nullptr;
    // Items marked by Cut, by serial.
    QList<std::uint32_t> cutItems_;
    // Label editing is allowed only while Rename or New Folder starts it.
    bool labelEditAllowed_ = false;
    // The drop target under the pointer and the nodes being dragged over the tree.
    CExplorerItem* dropHighlight_ = nullptr;
    std::optional<std::vector<ExplorerNode>> dragged_;
};

// Tree numbers of the drag data's source tree word.
inline constexpr std::uint32_t kRecorderTreeNumber = 1;
inline constexpr std::uint32_t kPcTreeNumber = 2;

} // namespace vantrel
