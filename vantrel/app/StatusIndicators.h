#pragma once

#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <optional>

namespace vantrel {

// The keyboard lock keys the status bar shows.
enum class LockKey { Caps, Num, Scroll };

// Whether a lock key is on, read from the keyboard LEDs under `ledFolder` (the files
// input*::capslock/brightness and so on); none when no LED tells.
std::optional<bool> LockKeyOn(LockKey key,
                              const QString& ledFolder = QStringLiteral("/sys/class/leds"));

// Adds the caps-lock, num-lock and scroll-lock panes to a status bar: each shows "CAP", "NUM"
// or "SCRL" while its key is on and is blank otherwise; they follow the keys as they are typed.
void AddLockIndicators(QStatusBar& statusBar);

} // namespace vantrel
