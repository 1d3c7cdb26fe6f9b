#include "DragData.h"

namespace vantrel {
namespace {

constexpr std::size_t kHeaderWords = 13;
constexpr std::size_t kWordSize = 4;

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(word >> shift));
}

std::uint32_t WordAt(std::span<const std::uint8_t> data, std::size_t offset) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < kWordSize; ++i)
        word |= std::uint32_t{data[offset + i]} << (8 * i);
    return word;
}

std::uint32_t RecordWords(std::size_t pathLength) {
    return static_cast<std::uint32_t>(14 + (pathLength + 1) / 4);
}

} // namespace

std::vector<std::uint8_t> EncodeDragData(std::span<const ExplorerNode> nodes) {
    std::vector<std::uint8_t> out;
    PutWord(out, static_cast<std::uint32_t>(nodes.size()));
    for (const auto& node : nodes) {
        const std::size_t start = out.size();
        const std::uint32_t words = RecordWords(node.path.size());
        PutWord(out, words);
        PutWord(out, node.onRecorder ? 1 : 0);
        PutWord(out, static_cast<std::uint32_t>(node.kind));
        PutWord(out, static_cast<std::uint32_t>(node.index));
        PutWord(out, node.sourceItem);
        PutWord(out, node.sourceTree);
        for (const std::uint8_t byte : node.logIdentity)
            PutWord(out, byte);
        PutWord(out, static_cast<std::uint32_t>(node.path.size()));
        out.insert(out.end(), node.path.begin(), node.path.end());
        out.resize(start + std::size_t{words} * kWordSize, 0);
    }
    return out;
}

std::optional<std::vector<ExplorerNode>> DecodeDragData(std::span<const std::uint8_t> data) {
    if (data.size() < kWordSize)
        return std::nullopt;
    const std::uint32_t count = WordAt(data, 0);
    // Every record takes at least 14 words, so a count the data cannot hold is refused before
    // anything is reserved for it.
    if (count > (data.size() - kWordSize) / (14 * kWordSize))
        return std::nullopt;
    std::vector<ExplorerNode> nodes;
    nodes.reserve(count);
    std::size_t offset = kWordSize;
    for (std::uint32_t n = 0; n < count; ++n) {
        if (data.size() - offset < kHeaderWords * kWordSize)
            return std::nullopt;
        const auto word = [&](std::size_t i) { return WordAt(data, offset + i * kWordSize); };
        const std::uint32_t words = word(0);
        const std::uint32_t pathLength = word(12);
        const std::size_t available = (data.size() - offset) / kWordSize;
        if (pathLength > data.size() || words != RecordWords(pathLength) || words > available)
            return std::nullopt;
        const auto kind = static_cast<std::int32_t>(word(2));
        if (!IsNodeKind(kind) || word(1) > 1)
            return std::nullopt;
        const std::size_t pathStart = offset + kHeaderWords * kWordSize;
        if (data[pathStart + pathLength] != 0)
            return std::nullopt;
        ExplorerNode node;
        node.onRecorder = word(1) == 1;
        node.kind = static_cast<NodeKind>(kind);
        node.index = static_cast<std::int32_t>(word(3));
        node.sourceItem = word(4);
        node.sourceTree = word(5);
        for (std::size_t i = 0; i < node.logIdentity.size(); ++i)
            node.logIdentity[i] = static_cast<std::uint8_t>(word(6 + i));
        node.path.assign(reinterpret_cast<const char*>(data.data() + pathStart), pathLength);
        if (node.path.find('\0') != std::string::npos)
            return std::nullopt;
        nodes.push_back(std::move(node));
        offset += std::size_t{words} * kWordSize;
    }
    if (offset != data.size())
        return std::nullopt;
    return nodes;
}

} // namespace vantrel
