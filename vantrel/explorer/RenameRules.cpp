#include "RenameRules.h"

#include <system_error>

namespace vantrel {

std::optional<std::filesystem::path> RenamedPath(const ExplorerNode& node, std::string_view text) {
    if (text.empty() || text.find('/') != std::string_view::npos)
        return std::nullopt;
    const std::filesystem::path parent = std::filesystem::path(node.path).parent_path();
    switch (node.kind) {
    case NodeKind::Folder:
        if (text == "." || text == "..")
            return std::nullopt;
        return parent / std::string(text);
    case NodeKind::Navpoints:
        return parent / (std::string(text) + ".dat");
    case NodeKind::Airspace:
        return parent / (std::string(text) + ".sua");
    default:
        return std::nullopt;
    }
}

std::string NewFolderName(int attempt) {
    if (attempt <= 1)
        return "New Folder";
    return "New Folder (" + std::to_string(attempt) + ")";
}

std::optional<std::filesystem::path> CreateNewFolder(const std::filesystem::path& parent) {
    for (int attempt = 1; attempt <= kNewFolderAttempts; ++attempt) {
        const auto path = parent / NewFolderName(attempt);
        std::error_code error;
        // create_directory reports false for an existing folder: that name is taken.
        if (std::filesystem::create_directory(path, error) && !error)
            return path;
    }
    return std::nullopt;
}

} // namespace vantrel
