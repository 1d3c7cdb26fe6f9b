#include "RecorderSeries.h"

#include <array>
#include <fstream>
#include <string>

namespace vantrel {

bool FromSigningSeries(const IgcHeader& header) {
    return header.hardwareVersion.find(kSigningSeries) != std::string::npos;
}

std::optional<IgcHeader> ReadHeaderOfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // The header reader stops at the first fix; reading on past a line that starts one is not
    // needed.
    std::string text;
    std::array<char, 1 << 14> block;
    for (std::size_t searched = 0; text.find("\nB", searched) == std::string::npos;) {
        searched = text.empty() ? 0 : text.size() - 1;
        if (!in.read(block.data(), block.size()) && in.gcount() == 0)
            break;
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    IgcHeader header;
    ReadHeader(text, header);
    return header;
}

} // namespace vantrel
