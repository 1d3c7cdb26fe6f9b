#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

// The analysis states of one fix, a set of bits.
class FixFlags {
public:
    static constexpr std::uint32_t kInStartCylinder = 0x0001;
    static constexpr std::uint32_t kAboveStart = 0x0002;
    static constexpr std::uint32_t kInFinishCylinder = 0x0004;
    static constexpr std::uint32_t kBelowFinish = 0x0008;
    static constexpr std::uint32_t kLanded = 0x0010;
    static constexpr std::uint32_t kMotorOn = 0x0020;
    static constexpr std::uint32_t kAtTurnpoint = 0x0040;
    static constexpr std::uint32_t kOuterTurnpointRadius = 0x0080;
    static constexpr std::uint32_t kTurnAreaTurnpoint = 0x0100;
    static constexpr std::uint32_t kStarted = 0x0200;
    static constexpr std::uint32_t kFinished = 0x0400;
    static constexpr std::uint32_t kLatestStart = 0x0800;
    static constexpr std::uint32_t kFlying = 0x1000;
    static constexpr std::uint32_t kGapInTrace = 0x2000;
    static constexpr std::uint32_t kArrival = 0x4000;
    static constexpr std::uint32_t kFurthestProgress = 0x8000;

    FixFlags() = default;
    explicit FixFlags(std::uint32_t bits) : bits_(bits) {}

    void Set(std::uint32_t bits) { bits_ |= bits; }
    void Toggle(std::uint32_t bits) { bits_ ^= bits; }
    // Whether any of these bits is set.
    bool Test(std::uint32_t bits) const { return (bits_ & bits) != 0; }
    void Clear() { bits_ = 0; }
    std::uint32_t Bits() const { return bits_; }

    bool operator==(const FixFlags&) const = default;

private:
    std::uint32_t bits_ = 0;
};

// The per-fix state text: the names of the states shown, in a fixed order, each followed by
// ", ", the last comma then replaced by a blank. Gate kinds decide the cylinder and crossing
// names.
std::string FixStateText(FixFlags flags, bool startIsCylinder, bool finishIsCylinder);

} // namespace vantrel
