#pragma once

#include "FlightDownload.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace korlink {

class CTranslator;

// "Transferring Flight Log": shown while a single flight downloads, with the pilot, the
// contest id and the flight's start time, and a bar over both areas.
class CTransferProgressDlg : public QDialog, public DownloadProgress {
public:
    static constexpr unsigned kResourceId = 1009;

    CTransferProgressDlg(const LogDirectoryEntry& flight, const CTranslator& translator,
                         QWidget* parent = nullptr);

    void IdentityRead(const RecorderConfig& config) override;
    void AreaStarted(std::uint32_t total) override;
    void BlockDone(std::uint32_t done) override;
    void FixDataComplete() override;
    void Failed(std::uint32_t status) override;
    void Finished() override;

    QProgressBar* Bar() const { return bar_; }

private:
    void ShowProgress();

    const CTranslator& translator_;
    QString startTime_;
    QString pilotLine_;
    QString contestLine_;
    QLabel* pilot_;
    QLabel* contest_;
    QLabel* start_;
    QProgressBar* bar_;
    TransferProgressBar progress_;
};

} // namespace korlink
