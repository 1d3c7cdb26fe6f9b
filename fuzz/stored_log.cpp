// Stored logs from outside: the loader, the header parser, the fix, navpoint and declaration
// decoding of the converter, and the stored-log check.
#include "MemoryFile.h"
#include "logfiles/IgcWriter.h"
#include "logfiles/StoredLog.h"
#include "logfiles/StoredLogCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    static korlink::StoredLog log;
    if (!file.Hold(data, size))
        return 0;
    if (log.Load(file.Path()) != korlink::LogFileStatus::Ok)
        return 0;
    const auto text = korlink::IgcText(log, "fuzz");
    if (text.empty() || text.back() != '\n')
        __builtin_trap();
    korlink::PassesStoredLogCheck(log);
    return 0;
}
