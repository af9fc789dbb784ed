// libFuzzer target for the plan file reader: any file is read or refused with a FileError, never
// a fault. A plan read, written and read again is the same plan, and writes the same bytes.
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
    const QByteArray bytes = planBytes(first, reserved);
    tx::fuzz::PutInput("F.tx", reinterpret_cast<const uint8_t*>(bytes.data()),
                       static_cast<size_t>(bytes.size()));
    tx::PlanState again;
    if (readPlan(again) != reserved || again.NumLegs != first.NumLegs ||
        again.TotalDist != first.TotalDist || again.TotalTimeText != first.TotalTimeText ||
        again.ACFileLoaded != first.ACFileLoaded)
        std::abort();
    for (int i = 1; i <= first.NumLegs; ++i)
        if (!(again.leg(i) == first.leg(i))) std::abort();
    if (planBytes(again, reserved) != bytes) std::abort();
    return 0;
}
