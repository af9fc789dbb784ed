// libFuzzer target for TXDefAC.DAT: any file is read or refused with a FileError, never a fault,
// and a name read is a plain file name of the program directory.
#include "FuzzInput.h"
#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("TXDefAC.DAT", data, size);
    tx::PlanState s;
    s.ProgramDir = tx::fuzz::ProgramDir();
    try {
        if (!tx::AircraftFileNameProblem(tx::ReadDefaultAircraftFile(s)).isEmpty()) std::abort();
    } catch (const tx::FileError&) {
    }
    return 0;
}
