#pragma once

#include "RecorderConfig.h"
#include "RecorderStatus.h"

#include <QDialog>
#include <QSpinBox>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace korlink {

class CTranslator;

// A radius: the stored byte steps by one (100 m) and shows in the radius unit of the units
// chosen in `units`.
class RadiusSpinBox : public QSpinBox {
public:
    explicit RadiusSpinBox(const QComboBox* units);
    // Shows the value again after the units changed.
    void Refresh();

protected:
    QString textFromValue(int value) const override;
    // The text is shown, never typed: it always stands for the current value.
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    const QComboBox* units_;
};

// Edits a copy of the recorder's configuration. "&Transfer configuration to recorder" accepts
// it; the caller then writes `Config()`.
class CConfigDlg : public QDialog {
public:
    static constexpr unsigned kResourceId = 1003;

    CConfigDlg(const RecorderConfig& config, const RecorderStatus& status,
               const CTranslator& translator, QWidget* parent = nullptr);

    const RecorderConfig& Config() const { return config_; }

    QLineEdit* PilotEdit() const { return pilot_; }
    QLineEdit* GliderEdit() const { return glider_; }
    QLineEdit* CompIdEdit() const { return compId_; }
    QComboBox* UnitsCombo() const { return units_; }
    QSpinBox* EnrouteSpin() const { return enroute_; }
    QSpinBox* ArrivalSpin() const { return arrival_; }
    QSpinBox* ApproachRadiusSpin() const { return approachRadius_; }
    QSpinBox* ArrivalRadiusSpin() const { return arrivalRadius_; }
    QGroupBox* RadiiGroup() const { return radii_; }
    QPushButton* TransferButton() const { return transfer_; }
    QPushButton* InfoButton() const { return info_; }

private:
    void UpdateUnits();
    void Transfer();

    RecorderConfig config_;
    RecorderStatus status_;
    const CTranslator& translator_;
    QLineEdit* pilot_;
    QLineEdit* glider_;
    QLineEdit* compId_;
    QComboBox* units_;
    QSpinBox* enroute_;
    QSpinBox* arrival_;
    QGroupBox* radii_;
    RadiusSpinBox* approachRadius_;
    RadiusSpinBox* arrivalRadius_;
    QPushButton* transfer_;
    QPushButton* info_;
};

} // namespace korlink
