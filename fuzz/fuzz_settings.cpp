// libFuzzer target for TARVEX.DAT: any file is read or refused with a FileError, never a fault.
#include "FuzzInput.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("TARVEX.DAT", data, size);
    tx::PlanState s;
    s.ProgramDir = tx::fuzz::ProgramDir();
    try {
        tx::ReadSettingsFile(s);
    } catch (const tx::FileError&) {
    }
    return 0;
}
