#include "common/case_file.h"
#include "lsp/message_reader.h"
#include "lsp_input.h"

#include <gtest/gtest.h>

namespace {

// Reads `input` in pieces of `piece` bytes (0: all at once); one letter per item read:
// M message, P not JSON, I not an object, F framing error.
std::string readAll(const QByteArray &input, qsizetype piece, MessageReader &reader) {
    std::string kinds;
    const qsizetype step = piece > 0 ? piece : input.size();
    for (qsizetype at = 0; at < input.size(); at += step) {
        reader.append(QByteArrayView(input).sliced(at, qMin(step, input.size() - at)));
        while (const auto item = reader.next())
            kinds += "MPIF"[int(item->kind)];
    }
    return kinds;
}

TEST(MessageReader, CutsStreamsIntoItemsAndRecovers) {
    for (const CaseLine &row : readCases("lsp/reader.txt", 4))
        for (const qsizetype piece : {qsizetype(0), qsizetype(1), qsizetype(7)}) {
            const QByteArray input = pieces(row.fields[1]);
            const std::string name = row.fields[0].toStdString();
            if (piece == 1 && input.size() > 4096)
                continue; // one byte at a time is for the short rows
            MessageReader reader;
            EXPECT_EQ(readAll(input, piece, reader), row.fields[2].toStdString())
                << name << " " << piece;
            EXPECT_EQ(reader.midMessage(), row.fields[3] == "1") << name << " " << piece;
        }
}

} // namespace
