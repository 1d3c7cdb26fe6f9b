#include "RecorderSeries.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace vantrel {

bool FromSigningSeries(const IgcHeader& header) {
    return header.hardwareVersion.find(kSigningSeries) != std::string::npos;
}

std::optional<IgcHeader> ReadHeaderOfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    // Plain reads: a checking program reads this one header, and the first file stream of a
    // process costs more than the reading.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return std::nullopt;
    // The header reader stops at the first fix; reading on past a line that starts one is not
    // needed.
    std::string text;
    std::array<char, 1 << 14> block;
    for (std::size_t searched = 0; text.find("\nB", searched) == std::string::npos;) {
        searched = text.empty() ? 0 : text.size() - 1;
        const auto got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0)
            break;
        text.append(block.data(), got);
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    IgcHeader header;
    ReadHeader(text, header);
    return header;
}

} // namespace vantrel
