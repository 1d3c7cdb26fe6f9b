#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Little-endian fields as the program's archives store them, read and written byte by byte.
namespace vantrel {

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::uint16_t> Word();
    std::optional<std::int32_t> Int();
    std::optional<double> Double();
    std::size_t Remaining() const { return bytes_.size() - at_; }

private:
    std::optional<std::uint64_t> Unsigned(std::size_t size);

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

class ArchiveWriter {
public:
    void Word(std::uint16_t value) { Unsigned(value, 2); }
    void Int(std::int32_t value) { Unsigned(static_cast<std::uint32_t>(value), 4); }
    void Double(double value);
    const std::string& Bytes() const { return bytes_; }

private:
    void Unsigned(std::uint64_t value, std::size_t size);

    std::string bytes_;
};

} // namespace vantrel
