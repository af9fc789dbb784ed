// libFuzzer target for the plan file reader: any file is read or refused with a FileError, never
// a fault. A plan read, written and read again writes the same bytes, and a file so written
// reads back as the same plan.
#include "FuzzInput.h"
#include "planfile/PlanFile.h"

namespace {

tx::PlanReserved readPlan(tx::PlanState& s) {
    return tx::ReadPlanFile(s, tx::fuzz::ProgramDir(), "F.tx");
}

QByteArray planBytes(tx::PlanState& s, const tx::PlanReserved& reserved) {
    s.ACFileName = s.ACFileLoaded;
    return tx::PlanFileBytes(s, "F", reserved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tx::fuzz::PutInput("F.tx", data, size);
    tx::PlanState first;
    tx::PlanReserved reserved;
    try {
        reserved = readPlan(first);
    } catch (const tx::FileError&) {
        return 0;
    }
    // Numbers are written to 15 significant digits, so the plan first read may differ from the
    // one read back in a number's last digits; from then on nothing changes.
    const QByteArray bytes = planBytes(first, reserved);
    tx::PlanState again, third;
    for (tx::PlanState* s : {&again, &third}) {
        tx::fuzz::PutInput("F.tx", reinterpret_cast<const uint8_t*>(bytes.data()),
                           static_cast<size_t>(bytes.size()));
        if (readPlan(*s) != reserved || planBytes(*s, reserved) != bytes) std::abort();
    }
    if (third.NumLegs != again.NumLegs || third.TotalDist != again.TotalDist ||
        third.TotalTimeText != again.TotalTimeText || third.ACFileLoaded != again.ACFileLoaded)
        std::abort();
    for (int i = 1; i <= again.NumLegs; ++i)
        if (!(third.leg(i) == again.leg(i))) std::abort();
    return 0;
}
