#pragma once

#include "TemporaryFolder.h"

#include <QSettings>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace vantrel::test {

// A path as the program's texts hold it.
inline QString QPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A home folder and a settings store of their own for the program's tests: HOME and
// XDG_CONFIG_HOME point into a temporary folder for the whole test program, and every sandbox
// starts with empty settings.
class ProgramSandbox {
public:
    ProgramSandbox() {
        static const korlink::test::TemporaryFolder home;
        static const bool redirected = [] {
            ::setenv("HOME", home.Path().c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (home.Path() / ".config").c_str(), 1);
            // As in a real home: the desktop's trash lives under it.
            std::filesystem::create_directories(home.Path() / ".local" / "share");
            return true;
        }();
        (void)redirected;
        Store()->clear();
    }

    static std::unique_ptr<QSettings> Store() {
        return std::make_unique<QSettings>(QStringLiteral("Velmora Avionics"),
                                           QStringLiteral("Velmora Skyline Explorer"));
    }
    // A value of section "Settings" (or of "Section/Key").
    static void Set(const QString& key, const QVariant& value) {
        Store()->setValue(Qualified(key), value);
    }
    static QVariant Get(const QString& key) { return Store()->value(Qualified(key)); }

private:
    static QString Qualified(const QString& key) {
        return key.contains(u'/') ? key : QStringLiteral("Settings/") + key;
    }
};

} // namespace vantrel::test
