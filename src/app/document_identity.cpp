#include "app/document_identity.h"

#include "app/string_table.h"

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

QString DocumentIdentity::fileNotFoundText(const QString &path) {
    return StringTable::text(1067) + QStringLiteral("\r\n\r\n") + path;
}
