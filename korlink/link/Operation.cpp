#include "Operation.h"

#include <thread>

namespace korlink {

void QuietOperation::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

} // namespace korlink
