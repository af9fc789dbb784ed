// libFuzzer target for the aircraft files: any file is loaded or refused with a FileError,
// never a fault; a refusal leaves the profile as it was.
#include "FuzzInput.h"
#include "core/Aircraft.h"
#include "core/SeqFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("F.AC", data, size);
    tx::PlanState s;
    s.ProgramDir = tx::fuzz::ProgramDir();
    s.ACFileName = "F.AC";
    try {
        tx::LoadAircraft(s);
        if (s.ACFileLoaded != s.ACFileName || s.ACRows < 0 || s.ACRows > 100) std::abort();
    } catch (const tx::FileError&) {
        if (!s.ACFileLoaded.isEmpty() || s.ACRows != 0) std::abort();
    }
    return 0;
}
