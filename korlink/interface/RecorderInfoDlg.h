#pragma once

#include "RecorderConfig.h"
#include "RecorderStatus.h"

#include <QDialog>

class QTreeWidget;

namespace korlink {

class CTranslator;

// "Recorder Info": serial number, voltages, charge current and versions in a two-column list.
class CRecorderInfoDlg : public QDialog {
public:
    static constexpr unsigned kResourceId = 1002;

    CRecorderInfoDlg(const RecorderConfig& config, const RecorderStatus& status,
                     const CTranslator& translator, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }

private:
    QTreeWidget* list_;
};

} // namespace korlink
