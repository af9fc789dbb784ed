// libFuzzer target for the RTF reader: any bytes must be read without a fault, and the text it
// gives must be valid UTF-16.
#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <cstdlib>

#include "core/RtfText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = tx::PlainText(tx::ReadRtf(rtf));
    if (!QStringView(text).isValidUtf16()) std::abort();
    return 0;
}
