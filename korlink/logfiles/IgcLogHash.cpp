#include "IgcLogHash.h"

#include <algorithm>
#include <cstring>

namespace korlink {

void IgcLogHash::Restart() {
    hash_.Restart();
    crc_ = Crc32{};
    blockFill_ = 0;
    gLines_.clear();
}

void IgcLogHash::Feed(ByteView bytes) {
    while (!bytes.empty()) {
        const auto* lf =
            static_cast<const std::uint8_t*>(std::memchr(bytes.data(), '\n', bytes.size()));
        const auto runLength = lf ? static_cast<std::size_t>(lf - bytes.data()) + 1 : bytes.size();
        ProcessRun(bytes.first(runLength), lf != nullptr);
        bytes = bytes.subspan(runLength);
    }
}

void IgcLogHash::ProcessRun(ByteView run, bool endsLine) {
    if (lineLength_ == 0 && endsLine && run.size() == 1) // a line that is only a LF
        return;
    lineLength_ += run.size();
    while (kind_ == Kind::Undecided && !run.empty()) {
        prefix_.push_back(static_cast<char>(run.front()));
        run = run.subspan(1);
        Decide(endsLine && run.empty());
    }
    switch (kind_) {
    case Kind::Hashed:
        Hash(run);
        break;
    case Kind::GLine:
        if (gLine_.size() + run.size() <= kGLineCapacity)
            gLine_.append(reinterpret_cast<const char*>(run.data()), run.size());
        else
            gLineTooLong_ = true;
        break;
    case Kind::Skipped:
    case Kind::Undecided:
        break;
    }
    if (endsLine)
        EndLine();
}

// The kind of the line from its first bytes; a line that ends within them is decided at once.
void IgcLogHash::Decide(bool lineComplete) {
    constexpr std::string_view kMakersRecord = "LZRV";
    const std::string_view p = prefix_;
    switch (p[0]) {
    case 'A':
        Restart();
        kind_ = Kind::Hashed;
        break;
    case 'G':
        kind_ = Kind::GLine;
        break;
    case 'H':
        if (p.size() < 2 && !lineComplete)
            return;
        kind_ = p.size() >= 2 && (p[1] == 'O' || p[1] == 'P') ? Kind::Skipped : Kind::Hashed;
        break;
    case 'L':
        if (!kMakersRecord.starts_with(p))
            kind_ = Kind::Skipped;
        else if (p.size() == kMakersRecord.size())
            kind_ = Kind::Hashed;
        else if (!lineComplete)
            return;
        else
            kind_ = Kind::Skipped;
        break;
    default:
        kind_ = Kind::Hashed;
        break;
    }
    if (kind_ == Kind::Hashed)
        Hash(AsBytes(prefix_));
    else if (kind_ == Kind::GLine)
        gLine_.assign(prefix_);
}

void IgcLogHash::Hash(ByteView bytes) {
    while (!bytes.empty()) {
        const auto take = std::min(bytes.size(), block_.size() - blockFill_);
        std::memcpy(block_.data() + blockFill_, bytes.data(), take);
        blockFill_ += take;
        bytes = bytes.subspan(take);
        if (blockFill_ == block_.size()) {
            crc_.Update(block_);
            hash_.Compress(block_);
            blockFill_ = 0;
        }
    }
}

void IgcLogHash::EndLine() {
    if (kind_ == Kind::GLine && !gLineTooLong_ && gLines_.size() + gLine_.size() <= kGLineCapacity)
        gLines_ += gLine_;
    kind_ = Kind::Undecided;
    prefix_.clear();
    gLine_.clear();
    gLineTooLong_ = false;
    lineLength_ = 0;
}

IgcLogHashValue IgcLogHash::Finish() {
    crc_.Update(ByteView(block_).first(blockFill_));
    std::fill(block_.begin() + static_cast<std::ptrdiff_t>(blockFill_), block_.end(), 0);
    hash_.Compress(block_);
    blockFill_ = 0;
    return {hash_.Value(), crc_.Value(), gLines_};
}

} // namespace korlink
