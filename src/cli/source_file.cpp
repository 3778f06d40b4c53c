#include "cli/source_file.h"

#include "base/text_codec.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SourceFile SourceFile::read(const QString &path, const QByteArray &nativePath) {
    SourceFile result;
    auto fail = [&](const QString &reason) {
        result.error = QStringLiteral("%1: %2").arg(path, reason);
        return result;
    };
    // Opened by the bytes of its name, so a name that is no text in the locale still opens.
    const QByteArray native = nativePath.isEmpty() ? QFile::encodeName(path) : nativePath;
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        return fail(QStringLiteral("is a folder, not a file"));
    // Read in pieces rather than by the reported size, which pipes and devices lack; a
    // regular file's size only reserves the room.
    QByteArray bytes;
    if (S_ISREG(info.st_mode) && info.st_size <= kMaxBytes)
        bytes.reserve(qsizetype(info.st_size) + 1);
    while (true) {
        const qsizetype at = bytes.size();
        // Within the reserved room while there is some, so a regular file is read into
        // exactly its size and never grown at its end.
        const qsizetype free = bytes.capacity() - at;
        const qsizetype room = qMin<qsizetype>(free > 0 ? qMin<qsizetype>(free, 1 << 20) : 1 << 20,
                                               kMaxBytes + 1 - at);
        bytes.resize(at + room);
        const qint64 got = file.read(bytes.data() + at, room);
        bytes.resize(at + qMax<qint64>(got, 0));
        if (got <= 0)
            break;
        if (bytes.size() > kMaxBytes)
            return fail(QStringLiteral("larger than %1 MB").arg(kMaxBytes >> 20));
    }
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    result.ok = true;
    const bool utf8Bom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = QByteArrayView(bytes).sliced(utf8Bom ? 3 : 0);
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && body.isValidUtf8()) {
        result.m_encoding = SourceLines::Bytes::Utf8;
        result.m_skip = utf8Bom ? 3 : 0;
    } else if (!utf16 && !utf8Bom) {
        result.m_encoding = SourceLines::Bytes::Windows1252;
    } else {
        result.m_text = TextCodec::decodeText(bytes);
        return result;
    }
    // Bytes are decoded a line at a time into a buffer as large as the longest line. When that
    // line is most of the file, the bytes and the buffer together would be three times the
    // file: the text is then decoded whole once, and the bytes let go.
    const QByteArrayView text = QByteArrayView(bytes).sliced(result.m_skip);
    if (mostlyOneLine(text)) {
        result.m_text = QString(text.size(), Qt::Uninitialized);
        QChar *out = result.m_text.data();
        QStringDecoder utf8 = SourceLines::utf8Decoder();
        const QChar *end = SourceLines::decode(text, *result.m_encoding, out, utf8);
        result.m_text.truncate(end - out);
        result.m_encoding.reset();
        return result;
    }
    if (bytes.capacity() - bytes.size() > bytes.size() / 8)
        bytes.squeeze();
    result.m_bytes = std::move(bytes);
    return result;
}

bool SourceFile::mostlyOneLine(QByteArrayView text) {
    // Only the line across the middle of the text can be more than half of it.
    const auto lineEnd = [&text](qsizetype i) {
        return text[i] == '\r' || text[i] == '\n';
    };
    qsizetype start = text.size() / 2;
    qsizetype end = start;
    while (start > 0 && !lineEnd(start - 1))
        --start;
    while (end < text.size() && !lineEnd(end))
        ++end;
    return 2 * (end - start) > text.size();
}

SourceLines SourceFile::lines() const {
    if (m_encoding)
        return SourceLines(QByteArrayView(m_bytes).sliced(m_skip), *m_encoding);
    return SourceLines(QStringView(m_text));
}
