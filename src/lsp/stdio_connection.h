#pragma once

#include "lsp/lsp_server.h"
#include "lsp/message_reader.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// Connects the server to a client over two file descriptors: it reads whatever arrives,
// writes each answer whole, publishes diagnostics once the client has been quiet for a
// moment, and ends the event loop on "exit" or when the input closes.
class StdioConnection : public QObject {
public:
    // How long after the last change diagnostics wait for the next one.
    static constexpr int kDebounceMs = 30;

    StdioConnection(LspServer &server, int input, int output);

    int exitCode() const { return m_exitCode; }

private:
    void readInput();
    void send(const QList<QJsonObject> &messages);
    void finish(int code);

    LspServer &m_server;
    int m_input;
    int m_output;
    MessageReader m_reader;
    QSocketNotifier m_notifier;
    QTimer m_diagnostics;
    int m_exitCode = 0;
};
