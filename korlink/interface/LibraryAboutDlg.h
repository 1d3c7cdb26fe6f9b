#pragma once

#include <QDialog>

namespace korlink {

class CTranslator;

// "About Velmora Access Library": the library icon, its version, and OK.
class CLibraryAboutDlg : public QDialog {
public:
    static constexpr unsigned kResourceId = 1010;

    explicit CLibraryAboutDlg(const CTranslator& translator, QWidget* parent = nullptr);
};

} // namespace korlink
