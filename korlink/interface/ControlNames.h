#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <utility>

namespace korlink {

// Gives a dialog's controls the object names by which tests and tools find them.
inline void NameControls(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

} // namespace korlink
