#include "../app/settings_round_trip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer entry: the bytes as a record and as a settings file must write and read back
// as the settings file promises.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString violation = SettingsRoundTrip::violationFor(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!violation.isEmpty()) {
        std::fprintf(stderr, "settings round trip broken: %s\n", qPrintable(violation));
        std::abort();
    }
    return 0;
}
