#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

// The most recently used files, newest first, kept in the settings section "Recent File List"
// as "File1" to "File4".
class RecentFiles {
public:
    static constexpr int kSize = 4;

    // Reads the list from the settings.
    RecentFiles();

    const QStringList& Files() const { return files_; }
    // Puts a file first (once) and writes the list.
    void Add(const QString& path);
    // Takes a file off the list (one that can no longer be opened) and writes the list.
    void Remove(const QString& path);

private:
    void Write() const;
    QStringList files_;
};

// The menu text of the n-th (0-based) recent file: "&1 path".
QString RecentFileMenuText(int n, const QString& path);

} // namespace vantrel
