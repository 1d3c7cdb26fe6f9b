// IGC files from outside: line cutting, the hash and G line gathering, the security record's
// decoding and evaluation, and the report.
#include "MemoryFile.h"
#include "logfiles/IgcSecurityCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    if (!file.Hold(data, size))
        return 0;
    const auto result = korlink::CheckIgcFile(file.Path());
    if (!result)
        __builtin_trap(); // an in-memory regular file is always readable
    korlink::IgcCheckReport(*result);
    return 0;
}
