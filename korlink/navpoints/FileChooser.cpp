#include "FileChooser.h"

#include <QFileDialog>

namespace korlink {

QString AskForFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    const bool saving = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace korlink
