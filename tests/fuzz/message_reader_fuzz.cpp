#include "lsp/lsp_server.h"
#include "lsp/message_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer entry: any byte stream, read in pieces of any size, must give items without a
// crash or a sanitizer report, and the server must take every message read from it. The
// first byte chooses the piece size, so one input is read as a client might send it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const qsizetype piece = 1 + data[0] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    LspServer server{LanguageData()};
    MessageReader reader;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        reader.append(bytes.sliced(at, qMin(piece, bytes.size() - at)));
        QList<MessageReader::Item> items;
        while (std::optional<MessageReader::Item> item = reader.next()) {
            if (item->kind != MessageReader::Item::Kind::Message && item->error.isEmpty()) {
                std::fprintf(stderr, "an error item without its reason\n");
                std::abort();
            }
            items.append(std::move(*item));
        }
        server.handle(items);
        server.publishDiagnostics();
    }
    return 0;
}
