#include "lsp/message_reader.h"

#include <gtest/gtest.h>

namespace {

QByteArray framed(const QByteArray &body) {
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Reads `input` in pieces of `piece` bytes (0: all at once); one letter per item read:
// M message, P not JSON, I not an object, F framing error.
std::string readAll(const QByteArray &input, qsizetype piece, MessageReader &reader) {
    std::string kinds;
    const auto drain = [&] {
        while (const auto item = reader.next())
            kinds += "MPIF"[int(item->kind)];
    };
    const qsizetype step = piece > 0 ? piece : input.size();
    for (qsizetype at = 0; at < input.size(); at += step) {
        reader.append(QByteArrayView(input).sliced(at, qMin(step, input.size() - at)));
        drain();
    }
    return kinds;
}

TEST(MessageReader, CutsStreamsIntoItemsAndRecovers) {
    const QByteArray ok = framed(R"({"jsonrpc":"2.0","method":"x","params":{"t":"é\r\n"}})");
    const QByteArray hugeHeader = "X-Padding: " + QByteArray(1024 * 1024 + 10, 'a') + "\r\n";
    const struct {
        const char *name;
        QByteArray input;
        std::string kinds;
        bool midMessage;
    } rows[] = {
        {"two in one read", ok + ok, "MM", false},
        {"bare LF header, any case", "content-length:2\n\n{}" + ok, "MM", false},
        {"other headers kept aside", "Content-Type: x\r\nContent-Length: 2\r\n\r\n{}", "M", false},
        {"no Content-Length", "Content-Type: x\r\n\r\n{}" + ok, "FM", false},
        {"length not a number", "Content-Length: -5\r\n\r\n{}\r\n" + ok, "FM", false},
        {"length too large for a number", "Content-Length: 99999999999999999999\r\n\r\n" + ok, "FM",
         false},
        {"malformed JSON", framed("{\"a\":") + ok, "PM", false},
        {"JSON but no object", framed("[1,2]") + framed("3"), "IP", false},
        {"garbage before a header", "junk\r\nmore junk" + ok, "FM", false},
        {"header over 1 MB", hugeHeader + ok, "FM", false},
        {"header over 1 MB without end", hugeHeader, "F", false},
        {"body never ends", "Content-Length: 100\r\n\r\n{\"a\"", "", true},
        {"body over 64 MB is skipped", "Content-Length: 67108865\r\n\r\n{}", "F", true},
    };
    for (const auto &row : rows)
        for (const qsizetype piece : {qsizetype(0), qsizetype(1), qsizetype(7)}) {
            if (piece == 1 && row.input.size() > 4096)
                continue; // one byte at a time is for the short rows
            MessageReader reader;
            EXPECT_EQ(readAll(row.input, piece, reader), row.kinds) << row.name << " " << piece;
            EXPECT_EQ(reader.midMessage(), row.midMessage) << row.name << " " << piece;
        }
}

TEST(MessageReader, SkipsAnOversizedBodyWithoutHoldingIt) {
    MessageReader reader;
    const QByteArray chunk(1024 * 1024, ' ');
    std::string kinds = readAll("Content-Length: 67108865\r\n\r\n", 0, reader);
    for (int i = 0; i < 64; ++i)
        kinds += readAll(chunk, 0, reader);
    kinds += readAll("x" + framed("{}"), 0, reader);
    EXPECT_EQ(kinds, "FM");
    EXPECT_FALSE(reader.midMessage());
}

} // namespace
