#pragma once

#include "base/text_codec.h"

#include <QByteArrayView>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <optional>

// The lines of a document as the analysis reads them: a list of lines, one whole text, or a
// file's bytes, split at CR LF, LF or CR as the editor splits them (a final line end leaves
// an empty last line). None is copied, so a large document is held once, not once more as
// lines; bytes are decoded one line at a time, so a file is not held twice as large either.
class SourceLines {
public:
    // How bytes are decoded: UTF-8 that is known to be valid, or Windows-1252.
    enum class Bytes { Utf8, Windows1252 };

    SourceLines(const QStringList &lines) : m_list(&lines) {} // NOLINT: a list is lines
    explicit SourceLines(QStringView text) : m_text(text) {}
    SourceLines(QByteArrayView bytes, Bytes encoding) : m_bytes(bytes), m_encoding(encoding) {}

    // How UTF-8 bytes decode. Valid UTF-8 split at ASCII line ends decodes line by line as it
    // does whole; a byte order mark inside the text stays a character, as it does whole.
    static QStringDecoder utf8Decoder() {
        return QStringDecoder(QStringConverter::Utf8,
                              QStringConverter::Flag::Stateless |
                                  QStringConverter::Flag::ConvertInitialBom);
    }

    // Decodes `bytes` into `out`, which has room for one character per byte; returns the end.
    // `utf8` is utf8Decoder(), made once for many calls.
    static QChar *decode(QByteArrayView bytes, Bytes encoding, QChar *out, QStringDecoder &utf8) {
        return encoding == Bytes::Windows1252 ? TextCodec::decodeWindows1252(bytes, out)
                                              : utf8.appendToBuffer(out, bytes);
    }

    // True when there are at least two lines.
    bool hasSecondLine() const {
        if (m_list)
            return m_list->size() >= 2;
        if (m_encoding)
            return anyLineEnd(m_bytes.data(), m_bytes.size());
        return anyLineEnd(m_text.utf16(), m_text.size());
    }

    // Calls `visit(line, index)` for each line in order while it returns true.
    template <typename Visit> void forEach(Visit visit) const {
        if (m_list) {
            for (qsizetype i = 0; i < m_list->size(); ++i)
                if (!visit(QStringView((*m_list)[i]), i))
                    return;
        } else if (m_encoding) {
            QStringDecoder utf8 = utf8Decoder();
            QString buffer;
            TextCodec::splitAtLineEnds(
                m_bytes.data(), m_bytes.size(), [&](const char *line, qsizetype size, qsizetype i) {
                    // Exactly as large as the longest line: resize() would round a long
                    // line up to the next power of two.
                    if (buffer.size() < size)
                        buffer = QString(size, Qt::Uninitialized);
                    QChar *out = buffer.data();
                    const QChar *end = decode(QByteArrayView(line, size), *m_encoding, out, utf8);
                    return visit(QStringView(out, end - out), i);
                });
        } else {
            TextCodec::splitAtLineEnds(m_text.utf16(), m_text.size(),
                                       [&](const char16_t *line, qsizetype size, qsizetype i) {
                                           return visit(QStringView(line, size), i);
                                       });
        }
    }

private:
    template <typename Char> static bool anyLineEnd(const Char *data, qsizetype n) {
        return TextCodec::nextLineEnd(data, 0, n) < n;
    }

    const QStringList *m_list = nullptr;
    QStringView m_text;
    QByteArrayView m_bytes;
    std::optional<Bytes> m_encoding;
};
