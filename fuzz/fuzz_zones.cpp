// libFuzzer target for TZONES.DAT: any file is read or refused with a FileError, never a fault,
// and a table read holds no more rows than it has room for.
#include "FuzzInput.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("TZONES.DAT", data, size);
    tx::PlanState s;
    s.ProgramDir = tx::fuzz::ProgramDir();
    try {
        tx::ReadTimeZoneFile(s);
    } catch (const tx::FileError&) {
        if (s.TZRows != 0) std::abort();
    }
    if (s.TZRows < 0 || s.TZRows > 48) std::abort();
    return 0;
}
