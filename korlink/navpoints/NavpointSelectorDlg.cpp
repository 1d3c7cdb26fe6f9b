#include "NavpointSelectorDlg.h"

#include "NavpointDefaults.h"
#include "NavpointListWidget.h"
#include "interface/DialogTranslation.h"
#include "navpoints/Attributes.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace korlink {

CNavpointSelectorDlg::CNavpointSelectorDlg(const navpoints::NavpointList& navpoints,
                                           const CTranslator& translator, QWidget* parent)
    : QDialog(parent), list_(new NavpointListWidget(translator)) {
    setObjectName(QStringLiteral("CNavpointSelectorDlg"));
    setWindowTitle(QStringLiteral("Navpoint Selecter"));
    list_->setObjectName(QStringLiteral("list"));
    auto controlPoints = navpoints.InOrder();
    std::erase_if(controlPoints, [](const navpoints::Navpoint* navpoint) {
        return !navpoint->Has(navpoints::attribute::kControlPoint);
    });
    list_->Show(controlPoints, NavpointDefaults::Load().ElevationFactor());
    list_->setMinimumSize(600, 240);

    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setEnabled(false);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CNavpointSelectorDlg::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { ok_->setEnabled(list_->SelectedId().has_value()); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CNavpointSelectorDlg::Choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    TranslateDialog(this, translator);
}

void CNavpointSelectorDlg::Choose() {
    chosen_ = list_->SelectedId();
    if (chosen_)
        accept();
}

} // namespace korlink
