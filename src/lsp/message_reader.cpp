#include "lsp/message_reader.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace {

constexpr QByteArrayView kLengthName = "content-length";

// The end of the header block that starts at `from`: the index just past its blank line, or
// -1 when none ends before `limit`. Clients end lines with CR LF; a bare LF is taken too.
qsizetype headerEnd(const QByteArray &buffer, qsizetype from, qsizetype limit) {
    for (qsizetype i = buffer.indexOf('\n', from); i >= 0 && i < limit;
         i = buffer.indexOf('\n', i + 1)) {
        if (i + 1 < buffer.size() && buffer[i + 1] == '\n')
            return i + 2;
        if (i + 2 < buffer.size() && buffer[i + 1] == '\r' && buffer[i + 2] == '\n')
            return i + 3;
    }
    return -1;
}

bool startsWithLengthName(QByteArrayView bytes) {
    return bytes.size() >= kLengthName.size() &&
           bytes.first(kLengthName.size()).compare(kLengthName, Qt::CaseInsensitive) == 0;
}

// The Content-Length of a header block: -1 when it has none, -2 when it is not a number.
qint64 contentLength(QByteArrayView header) {
    qint64 length = -1;
    for (QByteArrayView line : header.toByteArray().split('\n')) {
        line = line.trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.first(colon).trimmed().compare(kLengthName, Qt::CaseInsensitive))
            continue;
        const QByteArrayView value = line.sliced(colon + 1).trimmed();
        bool digits = !value.isEmpty() && value.size() <= 18;
        for (const char c : value)
            digits = digits && c >= '0' && c <= '9';
        length = digits ? value.toLongLong() : -2;
    }
    return length;
}

} // namespace

void MessageReader::append(QByteArrayView bytes) {
    if (m_skip > 0) {
        const qint64 dropped = qMin<qint64>(m_skip, bytes.size());
        m_skip -= dropped;
        bytes = bytes.sliced(dropped);
    }
    m_buffer.append(bytes);
}

bool MessageReader::midMessage() const {
    return m_bodyLength >= 0 || m_skip > 0 || (!m_resynchronising && m_buffer.size() > m_consumed);
}

MessageReader::Item MessageReader::framingError(const QString &error) {
    // Whatever follows is looked through for the next header.
    m_resynchronising = true;
    return Item{Item::Kind::Framing, {}, error};
}

void MessageReader::resynchronise() {
    const QByteArrayView rest = QByteArrayView(m_buffer).sliced(m_consumed);
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if ((rest[i] | 0x20) != 'c')
            continue;
        if (startsWithLengthName(rest.sliced(i))) {
            m_consumed += i;
            m_resynchronising = false;
            return;
        }
        if (rest.size() - i < kLengthName.size() &&
            QByteArrayView(kLengthName)
                    .first(rest.size() - i)
                    .compare(rest.sliced(i), Qt::CaseInsensitive) == 0) {
            m_consumed += i; // the start of a name; wait for the rest
            return;
        }
    }
    m_consumed = m_buffer.size();
}

std::optional<MessageReader::Item> MessageReader::readHeader() {
    const qsizetype limit = qMin(m_buffer.size(), m_consumed + kMaxHeaderBytes);
    // A header that arrives a few bytes at a time is searched once, not once per piece.
    const qsizetype end =
        headerEnd(m_buffer, m_consumed + qMax<qsizetype>(0, m_headerSearched - 2), limit);
    if (end < 0) {
        m_headerSearched = m_buffer.size() - m_consumed;
        if (m_buffer.size() - m_consumed < kMaxHeaderBytes)
            return std::nullopt;
        m_headerSearched = 0;
        m_consumed += kMaxHeaderBytes;
        return framingError(QStringLiteral("header longer than 1 MB, dropped"));
    }
    m_headerSearched = 0;
    const qint64 length =
        contentLength(QByteArrayView(m_buffer).sliced(m_consumed, end - m_consumed));
    if (length < 0) {
        ++m_consumed; // past the start of the bad header, to look for a good one after it
        return framingError(length == -1
                                ? QStringLiteral("header without Content-Length, dropped")
                                : QStringLiteral("header with a wrong Content-Length, dropped"));
    }
    m_consumed = end;
    if (length > kMaxBodyBytes) {
        const qint64 present = qMin<qint64>(length, m_buffer.size() - m_consumed);
        m_consumed += present;
        m_skip = length - present;
        return Item{
            Item::Kind::Framing,
            {},
            QStringLiteral("message of %1 bytes is larger than 64 MB, dropped").arg(length)};
    }
    m_bodyLength = length;
    return std::nullopt;
}

std::optional<MessageReader::Item> MessageReader::next() {
    const auto wait = [this]() -> std::optional<Item> {
        m_buffer.remove(0, m_consumed); // free what is used while more bytes are awaited
        m_consumed = 0;
        return std::nullopt;
    };
    if (m_resynchronising)
        resynchronise();
    if (m_resynchronising)
        return wait();
    if (m_bodyLength < 0) {
        if (std::optional<Item> error = readHeader())
            return error;
        if (m_bodyLength < 0)
            return wait();
    }
    if (m_buffer.size() - m_consumed < m_bodyLength)
        return wait();
    const QByteArray body = m_buffer.mid(m_consumed, m_bodyLength);
    m_consumed += m_bodyLength;
    m_bodyLength = -1;
    if (m_consumed == m_buffer.size()) {
        m_buffer.clear();
        m_consumed = 0;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return Item{
            Item::Kind::ParseError,
            {},
            QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return Item{Item::Kind::Invalid, {}, QStringLiteral("message is not a JSON object")};
    return Item{Item::Kind::Message, document.object(), {}};
}

QByteArray MessageReader::frame(const QJsonObject &message) {
    const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
