#include "SiteNameDlg.h"

#include "SiteDatabase.h"
#include "interface/DialogTranslation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korlink {

CSiteNameDlg::CSiteNameDlg(const CTranslator& translator, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(QStringLiteral("New Site"))) {
    setObjectName(QStringLiteral("CSiteNameDlg"));
    setWindowTitle(QStringLiteral("Navpoint Database Information"));
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(static_cast<int>(SiteDatabase::kMaxNameLength));
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    name_->selectAll();
    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A database needs a name to be told apart in the list.
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Database Name: "), name_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    TranslateDialog(this, translator);
}

std::string CSiteNameDlg::Name() const {
    return name_->text().toStdString();
}

} // namespace korlink
