#pragma once

namespace korlink {

// Help context numbers: a dialog's resource number plus the framework's help base.
constexpr unsigned kDialogHelpBase = 0x20000;

// Opens the library's HTML manual at the topic of a help context number.
void OpenHelp(unsigned context);

} // namespace korlink
