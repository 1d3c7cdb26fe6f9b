#include "RecorderInfoDlg.h"

#include "DialogTranslation.h"
#include "RecorderConfiguration.h"
#include "Translator.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korlink {

CRecorderInfoDlg::CRecorderInfoDlg(const RecorderConfig& config, const RecorderStatus& status,
                                   const CTranslator& translator, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget) {
    setObjectName(QStringLiteral("CRecorderInfoDlg"));
    setWindowTitle(QStringLiteral("Recorder Info"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("*"), QStringLiteral("Value")});
    list_->setRootIsDecorated(false);
    list_->header()->resizeSection(0, 240);
    list_->header()->resizeSection(1, 100);
    for (const auto& [label, value] : RecorderInfoRows(config, status)) {
        list_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromStdString(translator.Translate(label)), QString::fromStdString(value)}));
    }
    auto* buttons = new QDialogButtonBox;
    auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::AcceptRole);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(380, 260);
    TranslateDialog(this, translator);
}

} // namespace korlink
