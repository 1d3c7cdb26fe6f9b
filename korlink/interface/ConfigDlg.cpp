#include "ConfigDlg.h"

#include "ControlNames.h"
#include "DialogTranslation.h"
#include "Messages.h"
#include "RecorderInfoDlg.h"
#include "Translator.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korlink {
namespace {

constexpr int kLongestInterval = 6030;

QString Trimmed(const std::string& text) {
    return QString::fromStdString(TrimTrailing(text));
}

} // namespace

RadiusSpinBox::RadiusSpinBox(const QComboBox* units) : units_(units) {
    setRange(0, 255);
    lineEdit()->setReadOnly(true);
}

void RadiusSpinBox::Refresh() {
    lineEdit()->setText(textFromValue(value()));
}

QString RadiusSpinBox::textFromValue(int value) const {
    return QString::fromStdString(RadiusText(static_cast<std::uint8_t>(value),
                                             static_cast<std::uint8_t>(units_->currentIndex())));
}

int RadiusSpinBox::valueFromText(const QString&) const {
    return value();
}

QValidator::State RadiusSpinBox::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

CConfigDlg::CConfigDlg(const RecorderConfig& config, const RecorderStatus& status,
                       const CTranslator& translator, QWidget* parent)
    : QDialog(parent), config_(config), status_(status), translator_(translator),
      pilot_(new QLineEdit(Trimmed(config.pilot))), glider_(new QLineEdit(Trimmed(config.glider))),
      compId_(new QLineEdit(Trimmed(config.compId))), units_(new QComboBox), enroute_(new QSpinBox),
      arrival_(new QSpinBox), radii_(new QGroupBox), approachRadius_(new RadiusSpinBox(units_)),
      arrivalRadius_(new RadiusSpinBox(units_)),
      transfer_(new QPushButton(QStringLiteral("&Transfer configuration to recorder"))),
      info_(new QPushButton(QStringLiteral("&Recorder Info..."))) {
    setObjectName(QStringLiteral("CConfigDlg"));
    setWindowTitle(QStringLiteral("Norvane Configuration: S/N ") + QStringLiteral(" ") +
                   QString::fromStdString(config.RecorderId()));
    NameControls({{pilot_, "pilot"},
                  {glider_, "glider"},
                  {compId_, "compId"},
                  {units_, "units"},
                  {enroute_, "enroute"},
                  {arrival_, "arrival"},
                  {radii_, "radii"},
                  {approachRadius_, "approachRadius"},
                  {arrivalRadius_, "arrivalRadius"},
                  {transfer_, "transfer"},
                  {info_, "info"}});
    pilot_->setMaxLength(25);
    glider_->setMaxLength(10);
    compId_->setMaxLength(4);
    for (std::uint8_t code = 0; code < kUnitsCodes; ++code)
        units_->addItem(QString::fromLatin1(UnitsOf(code).comboText));
    units_->setCurrentIndex(config.unitsCode < kUnitsCodes ? config.unitsCode : -1);
    for (auto* interval : {enroute_, arrival_})
        interval->setRange(0, kLongestInterval);
    enroute_->setValue(static_cast<int>(config.enrouteInterval));
    arrival_->setValue(static_cast<int>(config.arrivalInterval));
    approachRadius_->setValue(config.approachRadius);
    arrivalRadius_->setValue(config.arrivalRadius);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Pilot: "), pilot_);
    form->addRow(QStringLiteral("Glider: "), glider_);
    form->addRow(QStringLiteral("ID: "), compId_);
    form->addRow(QStringLiteral("Units: "), units_);
    form->addRow(QStringLiteral("Enroute: "), enroute_);
    form->addRow(QStringLiteral("Arrival: "), arrival_);
    auto* radiiForm = new QFormLayout(radii_);
    radiiForm->addRow(QStringLiteral("Approach: "), approachRadius_);
    radiiForm->addRow(QStringLiteral("Arrival: "), arrivalRadius_);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info_);
    buttons->addStretch();
    buttons->addWidget(transfer_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(radii_);
    layout->addLayout(buttons);
    transfer_->setDefault(true);

    connect(units_, &QComboBox::currentIndexChanged, this, &CConfigDlg::UpdateUnits);
    connect(transfer_, &QPushButton::clicked, this, &CConfigDlg::Transfer);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(info_, &QPushButton::clicked, this,
            [this] { CRecorderInfoDlg(config_, status_, translator_, this).exec(); });
    UpdateUnits();
    TranslateDialog(this, translator_);
}

void CConfigDlg::UpdateUnits() {
    const auto units = UnitsOf(static_cast<std::uint8_t>(units_->currentIndex()));
    radii_->setTitle(QStringLiteral("Radii ( %1 )").arg(QString::fromLatin1(units.radiusUnitName)));
    // Only the display changes; the stored radius steps stay as they are.
    approachRadius_->Refresh();
    arrivalRadius_->Refresh();
}

void CConfigDlg::Transfer() {
    const std::string typed = pilot_->text().toStdString();
    if (pilot_->text().trimmed().isEmpty()) {
        ShowStop(this, translator_.Translate("Invalid Pilot Name."));
        return;
    }
    config_.pilot = ArrangePilotName(typed);
    config_.enrouteInterval = static_cast<unsigned>(enroute_->value());
    config_.arrivalInterval = static_cast<unsigned>(arrival_->value());
    config_.unitsCode = static_cast<std::uint8_t>(std::max(units_->currentIndex(), 0));
    config_.glider = glider_->text().toStdString();
    config_.compId = compId_->text().toStdString();
    config_.approachRadius = static_cast<std::uint8_t>(approachRadius_->value());
    config_.arrivalRadius = static_cast<std::uint8_t>(arrivalRadius_->value());
    accept();
}

} // namespace korlink
