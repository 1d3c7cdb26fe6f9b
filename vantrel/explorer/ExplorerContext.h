#pragma once

#include "ExplorerNode.h"
#include "RemovableVolumes.h"
#include "commands/CommandMap.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace vantrel {

class CExplorerItem;
class CKORTreeCtrl;

// What the explorer trees need from the program around them. The defaults let a tree run on
// its own (as the tests run it): real volumes, the platform's folder browser, commands handled
// by the tree itself.
struct ExplorerContext {
    // The mounted removable volumes (flash cards, the floppy "A:").
    VolumeLister volumes = [] { return MountedRemovableVolumes(); };
    // The folder browser: a title and the folder it starts in; an empty text on Cancel.
    std::function<QString(QWidget* parent, const QString& title, const QString& start)>
        chooseFolder;
    // Opens a file as a document; false when it was not opened.
    std::function<bool(const QString& path)> openDocument;
    // Sends a command to the main frame, which routes it to the window that handles it.
    std::function<void(int id)> sendCommand;
    // The state a command shows in a pop-up menu.
    std::function<CommandState(int id)> commandState;
    // Recorder items dropped on a PC folder or PC navpoint files dropped on the recorder root:
    // transfers between recorder and PC.
    std::function<void(const std::vector<ExplorerNode>& nodes, CKORTreeCtrl& target,
                       CExplorerItem* on)>
        recorderDrop;
    // Set by a tree when it gets the focus: the tree commands are routed to.
    std::function<void(CKORTreeCtrl* tree)> treeActivated;

    CKORTreeCtrl* recorderPane = nullptr;
    CKORTreeCtrl* pcPane = nullptr;
};

} // namespace vantrel
