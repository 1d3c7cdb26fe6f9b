#include "RecentFiles.h"

#include "settings/ProgramSettings.h"

namespace vantrel {
namespace {

QString FileKey(int n) {
    return QStringLiteral("File%1").arg(n + 1);
}

} // namespace

RecentFiles::RecentFiles() {
    QSettings settings{QLatin1String(kCompanyKey), QLatin1String(kProductName)};
    settings.beginGroup(QLatin1String(kRecentFilesSection));
    for (int n = 0; n < kSize; ++n) {
        const QString path = settings.value(FileKey(n)).toString();
        if (!path.isEmpty() && !files_.contains(path))
            files_ << path;
    }
}

void RecentFiles::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kSize)
        files_.removeLast();
    Write();
}

void RecentFiles::Remove(const QString& path) {
    if (files_.removeAll(path) > 0)
        Write();
}

void RecentFiles::Write() const {
    QSettings settings{QLatin1String(kCompanyKey), QLatin1String(kProductName)};
    settings.beginGroup(QLatin1String(kRecentFilesSection));
    for (int n = 0; n < kSize; ++n) {
        if (n < files_.size())
            settings.setValue(FileKey(n), files_[n]);
        else
            settings.remove(FileKey(n));
    }
}

QString RecentFileMenuText(int n, const QString& path) {
    QString shown = path;
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 ").arg(n + 1) + shown;
}

} // namespace vantrel
