#include "../app/settings_round_trip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer entry: the bytes as a record of their own and as a settings file read from
// disk; either record must write and read back as the settings file promises.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    AppSettings fromFile;
    parseSettingsFile(bytes.toByteArray(), fromFile);
    for (const AppSettings &record : {SettingsRoundTrip::recordFrom(bytes), fromFile}) {
        const QString violation = SettingsRoundTrip::violation(record);
        if (!violation.isEmpty()) {
            std::fprintf(stderr, "settings round trip broken: %s\n", qPrintable(violation));
            std::abort();
        }
    }
    return 0;
}
