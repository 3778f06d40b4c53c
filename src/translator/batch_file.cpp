#include "translator/batch_file.h"

#include <QFile>
#include <QSaveFile>

QByteArray batchFileBytes(const QString &commandLine) {
    return QFile::encodeName(commandLine) + '\n';
}

BatchWriteResult writeBatchFile(const QString &path, const QString &commandLine) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    const QByteArray bytes = batchFileBytes(commandLine);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
