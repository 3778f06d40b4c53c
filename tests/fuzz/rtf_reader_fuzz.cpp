#include "../dialogs/rtf_invariants.h"
#include "dialogs/rtf_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer entry: any bytes must read without a crash, a sanitizer report or a document
// that breaks the reader's invariants.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const RtfDocument doc =
        RtfReader::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString violation = rtfInvariantViolation(doc);
    if (!violation.isEmpty()) {
        std::fprintf(stderr, "invariant broken: %s\n", qPrintable(violation));
        std::abort();
    }
    return 0;
}
