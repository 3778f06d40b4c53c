#include "cli/source_file.h"

#include "document/text_codec.h"

#include <QFile>
#include <QFileInfo>

SourceFile SourceFile::read(const QString &path) {
    SourceFile result;
    auto fail = [&](const QString &reason) {
        result.error = QStringLiteral("%1: %2").arg(path, reason);
        return result;
    };
    if (QFileInfo(path).isDir())
        return fail(QStringLiteral("is a folder, not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Read in pieces rather than by the reported size, which pipes and devices lack.
    QByteArray bytes;
    while (true) {
        const QByteArray piece = file.read(qint64(1) << 20);
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > kMaxBytes)
            return fail(QStringLiteral("larger than %1 MB").arg(kMaxBytes >> 20));
    }
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    result.ok = true;
    result.lines = TextCodec::splitLines(TextCodec::decodeText(bytes));
    return result;
}
