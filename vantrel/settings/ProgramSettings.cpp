#include "ProgramSettings.h"

#include <QDir>

namespace vantrel {

QString DefaultFlightFolder() {
    return QDir::homePath() + QStringLiteral("/KOR/Flights");
}

ProgramSettings::ProgramSettings()
    : settings_(QLatin1String(kCompanyKey), QLatin1String(kProductName)) {
    settings_.beginGroup(QStringLiteral("Settings"));
}

int ProgramSettings::Integer(const QString& key, int fallback) const {
    const QVariant value = settings_.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

QString ProgramSettings::Text(const QString& key, const QString& fallback) const {
    const QVariant value = settings_.value(key);
    return value.isValid() ? value.toString() : fallback;
}

void ProgramSettings::SetInteger(const QString& key, int value) {
    settings_.setValue(key, value);
}

void ProgramSettings::SetText(const QString& key, const QString& value) {
    settings_.setValue(key, value);
}

void ProgramSettings::Remove(const QString& key) {
    settings_.remove(key);
}

int ProgramSettings::KeyCount() const {
    return static_cast<int>(settings_.childKeys().size());
}

bool ProgramSettings::Flush() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

ConnectionDescriptor ProgramSettings::Descriptor() const {
    ConnectionDescriptor descriptor{};
    descriptor.port = static_cast<uint16_t>(CommPort());
    descriptor.language = 0;
    descriptor.retries = 10;
    descriptor.quiet = 0;
    return descriptor;
}

ConnectionDescriptor ProbingDescriptor(int port) {
    ConnectionDescriptor descriptor{};
    descriptor.port = static_cast<uint16_t>(port);
    descriptor.language = 0;
    descriptor.retries = 0;
    descriptor.quiet = 1;
    return descriptor;
}

} // namespace vantrel
