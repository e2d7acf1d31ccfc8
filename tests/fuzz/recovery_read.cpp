// Reading a recovery file, on any bytes: it is refused with a reason and the state left as it
// was, or read whole, and then what was read is written and read back the same.
#include "FuzzSupport.h"

#include "wizard/RecoveryState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    RecoveryState state;
    state.fileName = QStringLiteral("untouched");
    QString why;
    if (!Recovery::decode(bytes, &state, &why)) {
        FUZZ_CHECK(!why.isEmpty(), QString::fromLatin1(bytes.toHex()));
        FUZZ_CHECK(state.fileName == QLatin1String("untouched"),
                   QString::fromLatin1(bytes.toHex()));
        return 0;
    }
    // What was read, written again, reads back to the same bytes.
    const QByteArray written = Recovery::encode(state);
    RecoveryState again;
    FUZZ_CHECK(Recovery::decode(written, &again, &why), why);
    FUZZ_CHECK(Recovery::encode(again) == written, QString::fromLatin1(bytes.toHex()));
    return 0;
}
