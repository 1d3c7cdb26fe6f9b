// Settings of the site dialog tests go to a fresh folder of their own, set before anything
// opens the settings store.
#include "TemporaryFolder.h"

#include <cstdlib>

namespace {

const korlink::test::TemporaryFolder kSettingsFolder;
const bool kRedirected = ::setenv("XDG_CONFIG_HOME", kSettingsFolder.Path().c_str(), 1) == 0;

} // namespace
