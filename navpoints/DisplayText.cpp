#include "DisplayText.h"

#include "NumberText.h"

namespace navpoints {

std::string IdText(int id) {
    return std::to_string(id);
}

std::string ElevationDisplayText(float metres, double factor) {
    return FixedText(metres * factor, 0, 5) + (factor == 1.0 ? " m" : " ft");
}

} // namespace navpoints
