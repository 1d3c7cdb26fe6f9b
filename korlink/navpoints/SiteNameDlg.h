#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace korlink {

class CTranslator;

// "Navpoint Database Information": asks for the name of a new database.
class CSiteNameDlg : public QDialog {
public:
    explicit CSiteNameDlg(const CTranslator& translator, QWidget* parent = nullptr);

    std::string Name() const;

    QLineEdit* NameEdit() const { return name_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLineEdit* name_;
    QPushButton* ok_;
};

} // namespace korlink
