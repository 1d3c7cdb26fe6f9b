#pragma once

#include "navpoints/NavpointList.h"

#include <QDialog>
#include <optional>

class QPushButton;

namespace korlink {

class CTranslator;
class NavpointListWidget;

// "Navpoint Selecter": lists the navpoints that can be flown in a task (turnpoint, start or
// finish) and gives the chosen one's id.
class CNavpointSelectorDlg : public QDialog {
public:
    CNavpointSelectorDlg(const navpoints::NavpointList& navpoints, const CTranslator& translator,
                         QWidget* parent = nullptr);

    // The chosen navpoint's id once the dialog is accepted.
    std::optional<int> ChosenId() const { return chosen_; }

    NavpointListWidget* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void Choose();

    NavpointListWidget* list_;
    QPushButton* ok_;
    std::optional<int> chosen_;
};

} // namespace korlink
