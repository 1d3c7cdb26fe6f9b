#pragma once

#include "link/Bytes.h"

#include <filesystem>

namespace korlink {

// Writes a whole file under a temporary name in the target's folder and renames it into place,
// so that a failure part-way never leaves a truncated file under the final name. An existing
// file of that name is replaced only when `replace` is set. False when anything fails; the
// temporary file is then removed.
bool WriteFileAtomically(const std::filesystem::path& path, ByteView contents, bool replace);

} // namespace korlink
