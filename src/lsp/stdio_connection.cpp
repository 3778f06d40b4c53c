#include "lsp/stdio_connection.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

StdioConnection::StdioConnection(LspServer &server, int input, int output)
    : m_server(server), m_input(input), m_output(output), m_notifier(input, QSocketNotifier::Read) {
    connect(&m_notifier, &QSocketNotifier::activated, this, &StdioConnection::readInput);
    m_diagnostics.setSingleShot(true);
    m_diagnostics.setInterval(kDebounceMs);
    connect(&m_diagnostics, &QTimer::timeout, this,
            [this] { send(m_server.publishDiagnostics()); });
}

void StdioConnection::readInput() {
    char buffer[64 * 1024];
    const ssize_t count = ::read(m_input, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        // The client is gone: nobody is left to answer.
        if (m_reader.midMessage())
            std::fputs("tamro-lsp: input ended inside a message\n", stderr);
        finish(1);
        return;
    }
    m_reader.append(QByteArrayView(buffer, count));
    QList<MessageReader::Item> items;
    while (std::optional<MessageReader::Item> item = m_reader.next())
        items.append(std::move(*item));
    if (items.isEmpty())
        return;
    send(m_server.handle(items));
    if (m_server.exitRequested()) {
        finish(m_server.exitCode());
        return;
    }
    if (m_server.diagnosticsDue())
        m_diagnostics.start();
}

void StdioConnection::send(const QList<QJsonObject> &messages) {
    for (const QJsonObject &message : messages) {
        const QByteArray bytes = MessageReader::frame(message);
        for (qsizetype written = 0; written < bytes.size();) {
            const ssize_t count =
                ::write(m_output, bytes.constData() + written, size_t(bytes.size() - written));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                finish(1); // the client stopped reading
                return;
            }
            written += count;
        }
    }
}

void StdioConnection::finish(int code) {
    m_exitCode = code;
    m_notifier.setEnabled(false);
    m_diagnostics.stop();
    QCoreApplication::exit(code);
}
