#pragma once

#include "ExplorerNode.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What a file of a folder becomes by its extension (any letter case): ".sua" and ".air"
// airspace, ".dat" navpoints, ".igc" and ".kor" flight logs; none for any other file.
std::optional<NodeKind> KindOfFileName(std::string_view fileName);

// What the program reads of a flight log for its label: the year of its date, and the pilot.
struct LogFacts {
    std::optional<int> year;
    std::optional<std::string> pilot;
};

// A stored log's year through the library's KORGetLogFileTime (none when the call fails or
// reports no fixes) and its pilot, the header text between the fourth and fifth "," within
// its first 40 characters; an IGC file's year and pilot from its header records. What cannot
// be read stays empty.
LogFacts ReadLogFacts(const std::filesystem::path& path);

// A date as the labels show it: "Mar 07, 2024" (English month names whatever the locale).
std::string LabelDateText(std::int64_t date);

// The record of a file item: a log's label is its file name, then " - " and the log date when
// known, then " - " and the pilot when read; navpoint and airspace labels are the file name
// cut at its first ".".
ExplorerNode FileNode(const std::filesystem::path& path, NodeKind kind);

// The record of a folder item.
ExplorerNode FolderNode(const std::filesystem::path& path);

// The children of a folder as the PC pane shows them: every sub-folder except hidden ones and
// one called "Maps", then airspace, navpoint and log files, ordered as the pane orders them.
// A folder that cannot be listed (missing, unreadable, a file) has none.
std::vector<ExplorerNode> ListFolder(const std::filesystem::path& folder);

// The order of PC items: folders first, then the higher kind number, logs newest first (equal
// dates keep their order), other items of a kind by label regardless of letter case. True when
// `a` goes before `b`.
bool ComesBefore(const ExplorerNode& a, const ExplorerNode& b);

// Sorts PC items in that order, keeping the order of equals.
void SortPcItems(std::vector<ExplorerNode>& nodes);

} // namespace vantrel
