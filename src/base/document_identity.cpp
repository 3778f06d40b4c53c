#include "base/document_identity.h"

#include "base/string_table.h"

#include <QDir>
#include <QFileInfo>

bool DocumentIdentity::isUntitled(const QString &caption) {
    return caption.startsWith(QLatin1String("Document"), Qt::CaseSensitive);
}

QString DocumentIdentity::dialogFolder(const QString &activeCaption, const QString &lastFile) {
    for (const QString &path : {activeCaption, lastFile})
        if (!path.isEmpty() && !isUntitled(path))
            return QFileInfo(path).absolutePath();
    return {};
}

bool DocumentIdentity::namesFile(const QString &caption, const QString &path) {
    if (isUntitled(caption) || caption.isEmpty() || path.isEmpty())
        return false;
    const QFileInfo a(caption), b(path);
    if (QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath()))
        return true;
    const QString real = a.canonicalFilePath();
    return !real.isEmpty() && real == b.canonicalFilePath();
}

QString DocumentIdentity::fileNotFoundText(const QString &path) {
    return StringTable::text(1067) + QStringLiteral("\r\n\r\n") + path;
}
