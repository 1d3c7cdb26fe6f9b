#pragma once

#include "FlightDownload.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace korlink {

class CRecorderLink;
class CTranslator;

// The transfer dialog: watches the recorder come and go once a second, lists its flights with
// whether each is already in the destination folder, and downloads them one at a time.
class CLogTransferDlg : public QDialog, private DownloadProgress {
public:
    static constexpr unsigned kResourceId = 1001;
    // The caller's list of written logs has room for this many paths.
    static constexpr std::size_t kReportedPaths = 10;

    CLogTransferDlg(CRecorderLink& link, std::filesystem::path folder,
                    const CTranslator& translator, QWidget* parent = nullptr);

    // Folder paths of the logs written while the dialog was open, in the order written.
    const std::vector<std::string>& WrittenPaths() const { return written_; }

    // Asks for a new destination folder; replaceable so that tests choose without a window.
    std::function<std::optional<std::filesystem::path>(QWidget*)> chooseFolder;

    // The timer's tick and the buttons' actions, also for tests that drive the dialog.
    void Tick();
    void TransferSelected();
    void ChangeDestination();

    bool IsConnected() const { return connected_; }
    QTreeWidget* List() const { return list_; }
    QLabel* StatusLine() const { return status_; }
    QLabel* PilotLine() const { return pilot_; }
    QCheckBox* AutoTransfer() const { return autoTransfer_; }
    QPushButton* TransferButton() const { return transfer_; }
    QProgressBar* Bar() const { return bar_; }

    void done(int result) override;

private:
    enum Column { kNumber, kDate, kStart, kDuration, kFixes, kSecurity, kStatus };

    void ShowNotConnected();
    void ShowConnected(const RecorderConfig& config);
    void EnableConnectedControls(bool enabled);
    void FillList();
    void Transfer(int row);
    void SetRowStatus(int row, const std::string& text, bool exists);
    QString Tr(const char* text) const;

    void AreaStarted(std::uint32_t total) override;
    void BlockDone(std::uint32_t done) override;
    void FixDataComplete() override;
    void Failed(std::uint32_t status) override;
    void Finished() override;

    CRecorderLink& link_;
    std::filesystem::path folder_;
    const CTranslator& translator_;
    std::vector<LogDirectoryEntry> entries_;
    std::vector<bool> exists_;
    std::vector<std::string> written_;
    bool connected_ = false;
    bool busy_ = false;
    TransferProgressBar progress_;

    QCheckBox* autoTransfer_;
    QLabel* pilot_;
    QLabel* destination_;
    QPushButton* changeDestination_;
    QTreeWidget* list_;
    QLabel* status_;
    QProgressBar* bar_;
    QPushButton* transfer_;
    QPushButton* close_;
    QTimer* timer_;
};

} // namespace korlink
