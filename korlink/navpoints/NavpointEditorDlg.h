#pragma once

#include "FileChooser.h"
#include "NavpointDefaults.h"
#include "navpoints/NavpointList.h"

#include <QDialog>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korlink {

class CTranslator;
class NavpointListWidget;

// Edits a copy of a navpoint list: fields for one navpoint, the list, and the buttons Apply,
// Delete, Import, Save As, Close and Cancel. "Close" accepts; `Changed()` then tells whether
// anything was applied, deleted or imported.
class CNavpointEditorDlg : public QDialog {
public:
    CNavpointEditorDlg(std::string siteName, navpoints::NavpointList navpoints,
                       const CTranslator& translator, FileChooser chooseFile = AskForFile,
                       QWidget* parent = nullptr);

    const navpoints::NavpointList& Navpoints() const { return navpoints_; }
    bool Changed() const { return changed_; }

    // Cancel, Escape and the window's close button: with changes, asks whether to keep them.
    void reject() override;

    QLineEdit* IdEdit() const { return id_; }
    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* LatitudeDegreesEdit() const { return latitudeDegrees_; }
    QLineEdit* LatitudeMinutesEdit() const { return latitudeMinutes_; }
    QRadioButton* SouthButton() const { return south_; }
    QLineEdit* LongitudeDegreesEdit() const { return longitudeDegrees_; }
    QLineEdit* LongitudeMinutesEdit() const { return longitudeMinutes_; }
    QRadioButton* WestButton() const { return west_; }
    QLineEdit* RemarkEdit() const { return remark_; }
    QLineEdit* ElevationEdit() const { return elevation_; }
    QComboBox* ElevationUnitCombo() const { return elevationUnit_; }
    NavpointListWidget* List() const { return list_; }

private:
    struct AttributeBox {
        QCheckBox* box;
        std::uint32_t bit;
    };

    QWidget* BuildFields();
    QWidget* BuildAttributes();
    QLayout* BuildButtons();
    void ShowList();
    void ShowSelected();
    void ChangeElevationUnit();
    void Apply();
    void Delete();
    void Import();
    void SaveAs();
    void Close();
    // The navpoint the fields describe; none (after saying why) when a field is invalid.
    std::optional<navpoints::Navpoint> FieldsNavpoint();
    std::string Tr(const char* text) const;

    std::string siteName_;
    navpoints::NavpointList navpoints_;
    const CTranslator& translator_;
    FileChooser chooseFile_;
    NavpointDefaults defaults_;
    double elevationFactor_;
    bool changed_ = false;

    QLineEdit* id_;
    QLineEdit* name_;
    QLineEdit* latitudeDegrees_;
    QLineEdit* latitudeMinutes_;
    QRadioButton* north_;
    QRadioButton* south_;
    QLineEdit* longitudeDegrees_;
    QLineEdit* longitudeMinutes_;
    QRadioButton* east_;
    QRadioButton* west_;
    QLineEdit* remark_;
    QLineEdit* elevation_;
    QComboBox* elevationUnit_;
    std::vector<AttributeBox> attributes_;
    NavpointListWidget* list_;
    QPushButton* delete_ = nullptr;
};

} // namespace korlink
