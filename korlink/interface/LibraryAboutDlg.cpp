#include "LibraryAboutDlg.h"

#include "DialogTranslation.h"
#include "Translator.h"
#include "logfiles/IgcWriter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace korlink {

CLibraryAboutDlg::CLibraryAboutDlg(const CTranslator& translator, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CLibraryAboutDlg"));
    setWindowTitle(QStringLiteral("About Velmora Access Library"));
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    auto* text = new QLabel(
        QString::fromStdString(translator.Translate("Velmora Access Library Version: ")) +
        QString::fromLatin1(ProductVersion().data(),
                            static_cast<qsizetype>(ProductVersion().size())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    TranslateDialog(this, translator);
}

} // namespace korlink
