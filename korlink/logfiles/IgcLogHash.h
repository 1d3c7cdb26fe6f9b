#pragma once

#include "Crc32.h"
#include "ModifiedSha1.h"

#include <string>

namespace korlink {

// What the IGC check gathers from a file's lines: the digest and CRC of the hashed lines and
// the text of the G lines.
struct IgcLogHashValue {
    ModifiedSha1::Digest digest{};
    std::uint32_t crc = Crc32::kStart;
    std::string gLines;
};

// Runs over the lines of an IGC file, each ending in LF and keeping its CR LF. An "A" line
// restarts everything; "HO" and "HP" lines, and "L" lines other than the maker's own "LZRV"
// lines, are skipped; "G" lines are collected (up to 516 characters, whole lines only); every
// other line is hashed, its bytes filling 64-byte blocks that go to the CRC and the hash. A line
// that is only a LF is skipped. Lines of any length are taken whole. Fed in pieces of any size.
class IgcLogHash {
public:
    static constexpr std::size_t kGLineCapacity = 516;

    IgcLogHash() { Restart(); }

    // Bytes of complete lines: the caller leaves out whatever follows the last LF.
    void Feed(ByteView bytes);
    // Hashes the last partial block, filled with zeros, and gives the values.
    IgcLogHashValue Finish();

private:
    enum class Kind { Undecided, Hashed, Skipped, GLine };

    void Restart();
    void ProcessRun(ByteView run, bool endsLine);
    void Decide(bool lineComplete);
    void Hash(ByteView bytes);
    void EndLine();

    ModifiedSha1 hash_;
    Crc32 crc_;
    ModifiedSha1::Block block_{};
    std::size_t blockFill_ = 0;
    std::string gLines_;

    Kind kind_ = Kind::Undecided;
    std::string prefix_; // the first bytes of the line, until its kind is known
    std::string gLine_;  // the G line being read
    bool gLineTooLong_ = false;
    std::size_t lineLength_ = 0;
};

} // namespace korlink
