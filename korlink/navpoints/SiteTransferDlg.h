#pragma once

#include "SiteDatabase.h"

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace korlink {

class CTranslator;
class RecorderSites;

// "Transfer to recorder": sends a site database's navpoints, then its tasks, then declares one
// of them, as the boxes say. Without a recorder nothing can be sent.
class CSiteTransferDlg : public QDialog {
public:
    // The recorder takes at most this many navpoints.
    static constexpr int kRecorderNavpoints = 250;

    CSiteTransferDlg(const SiteDatabase& database, RecorderSites* recorder,
                     const CTranslator& translator, QWidget* parent = nullptr);

    QCheckBox* NavpointsBox() const { return navpoints_; }
    QCheckBox* TasksBox() const { return tasks_; }
    QCheckBox* DeclareBox() const { return declare_; }
    QComboBox* DeclareCombo() const { return declareTask_; }
    QPushButton* SendButton() const { return send_; }

private:
    void UpdateDeclare();
    void Send();
    // True when the step succeeded; otherwise shows why and gives false.
    bool Succeeded(std::uint32_t status, bool sendingNavpoints);

    const SiteDatabase& database_;
    RecorderSites* recorder_;
    const CTranslator& translator_;
    QCheckBox* navpoints_;
    QCheckBox* tasks_;
    QCheckBox* declare_;
    QComboBox* declareTask_;
    QPushButton* send_;
};

} // namespace korlink
