#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Folders the tests read from, and the files they write. Tests never write into the build's
// program folder.
inline QString testDataDir() {
    return QStringLiteral(TAMRO_TEST_DATA_DIR);
}
inline QString sourceDataDir() {
    return QStringLiteral(TAMRO_SOURCE_DATA_DIR);
}
inline QString builtProgramDir() {
    return QStringLiteral(TAMRO_BUILD_PROGRAM_DIR);
}

inline void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The file's bytes, or "<unreadable>".
inline QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
