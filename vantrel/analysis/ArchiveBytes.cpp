#include "ArchiveBytes.h"

#include <bit>

namespace vantrel {

std::optional<std::uint64_t> ArchiveReader::Unsigned(std::size_t size) {
    if (Remaining() < size)
        return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint64_t>(bytes_[at_ + i]) << (8 * i);
    at_ += size;
    return value;
}

std::optional<std::uint16_t> ArchiveReader::Word() {
    const auto value = Unsigned(2);
    return value ? std::optional(static_cast<std::uint16_t>(*value)) : std::nullopt;
}

std::optional<std::int32_t> ArchiveReader::Int() {
    const auto value = Unsigned(4);
    return value ? std::optional(static_cast<std::int32_t>(static_cast<std::uint32_t>(*value)))
                 : std::nullopt;
}

std::optional<double> ArchiveReader::Double() {
    const auto value = Unsigned(8);
    return value ? std::optional(std::bit_cast<double>(*value)) : std::nullopt;
}

void ArchiveWriter::Double(double value) {
    Unsigned(std::bit_cast<std::uint64_t>(value), 8);
}

void ArchiveWriter::Unsigned(std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace vantrel
