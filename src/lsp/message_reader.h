#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// Cuts the byte stream of a language client into messages: a header of "Name: value" lines
// ending in an empty line, with a Content-Length, then that many bytes of JSON. Every flaw
// becomes an error item and the reader finds its way back to the next header, so no input can
// stall it or make it hold more than a bounded amount of memory.
class MessageReader {
public:
    struct Item {
        enum class Kind {
            Message,    // `message` holds a JSON object
            ParseError, // a body arrived that is not JSON (answered with a parse error)
            Invalid,    // a JSON body that is not an object
            Framing,    // a header that was wrong, missing or too long; a body too large
        };
        Kind kind = Kind::Message;
        QJsonObject message;
        QString error; // for every kind but Message
    };

    static constexpr qsizetype kMaxHeaderBytes = 1024 * 1024;
    static constexpr qint64 kMaxBodyBytes = qint64(64) * 1024 * 1024;

    void append(QByteArrayView bytes);
    // The next complete item, or nothing until more bytes arrive.
    std::optional<Item> next();

    // True when a message has begun but is not complete (input that ends there was cut off).
    bool midMessage() const;

    // A message as it goes out: its header and its compact JSON.
    static QByteArray frame(const QJsonObject &message);

private:
    std::optional<Item> readHeader();
    Item framingError(const QString &error);
    // Drops bytes up to the next line that may start a header.
    void resynchronise();

    QByteArray m_buffer;
    qsizetype m_consumed = 0;       // bytes at the front of m_buffer already used
    qsizetype m_headerSearched = 0; // bytes after m_consumed known to hold no header end
    qint64 m_bodyLength = -1;       // the body being awaited, after its header
    qint64 m_skip = 0;              // bytes of an oversized body still to drop
    bool m_resynchronising = false;
};
