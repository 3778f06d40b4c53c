#include "translator/batch_file.h"

#include "base/disk_file.h"

#include <QFile>

QByteArray batchFileBytes(const QString &commandLine) {
    return QFile::encodeName(commandLine) + '\n';
}

BatchWriteResult writeBatchFile(const QString &path, const QString &commandLine) {
    const DiskFile::WriteResult written = DiskFile::replace(path, batchFileBytes(commandLine));
    return {written.ok, written.error};
}
