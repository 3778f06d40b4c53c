#pragma once

#include <QByteArray>

inline QByteArray framed(const QByteArray &body) {
    return "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Input for the server as the data files under tests/data/lsp write it: pieces joined by
// " + ", each N:method (a request), exit, framed:body, raw:bytes, Nk*c (N KiB of c) or open:N
// (a didOpen of N MiB).
inline QByteArray piece(const QByteArray &p) {
    const qsizetype colon = p.indexOf(':'), star = p.indexOf("k*");
    const QByteArray head = p.left(colon), rest = p.mid(colon + 1);
    if (p == "exit")
        return framed(R"({"jsonrpc":"2.0","method":"exit"})");
    if (head == "framed")
        return framed(rest);
    if (head == "raw")
        return rest;
    if (head == "open")
        return framed(
            R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
            R"({"uri":"file:///big.opl","version":1,"text":")" +
            QByteArray(rest.toInt() * 1024 * 1024, 'x') + "\"}}}");
    if (star > 0)
        return QByteArray(p.left(star).toInt() * 1024, p.back());
    return framed(R"({"jsonrpc":"2.0","id":)" + head + R"(,"method":")" + rest +
                  R"(","params":{}})");
}

inline QByteArray pieces(QByteArray line) {
    QByteArray input;
    for (const QByteArray &p : line.replace(" + ", "\x01").split('\x01'))
        input += piece(p);
    return input;
}
