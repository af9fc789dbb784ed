// libFuzzer target for TZYEARS.DAT: any file is read or refused with a FileError, never a fault;
// a table read holds no more rows than allowed, each a code and year once, in order, within its
// years; a refusal leaves the table empty.
#include "FuzzInput.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("TZYEARS.DAT", data, size);
    tx::PlanState s;
    s.ProgramDir = tx::fuzz::ProgramDir();
    try {
        tx::ReadDaylightYearsFile(s);
    } catch (const tx::FileError&) {
        if (!s.TZYears.rows.empty()) std::abort();
    }
    const auto& t = s.TZYears;
    if (t.rows.size() > tx::DaylightYearTable::MaxRows) std::abort();
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const auto& r = t.rows[i];
        if (r.year < t.FirstYear || r.year > t.LastYear) std::abort();
        if (i > 0 && std::pair(t.rows[i - 1].code, t.rows[i - 1].year) >= std::pair(r.code, r.year))
            std::abort();
    }
    return 0;
}
