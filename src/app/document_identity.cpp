#include "app/document_identity.h"

#include "app/string_table.h"

bool DocumentIdentity::isUntitled(const QString &caption) {
    return caption.startsWith(QLatin1String("Document"), Qt::CaseSensitive);
}

QString DocumentIdentity::fileNotFoundText(const QString &path) {
    return StringTable::text(1067) + QStringLiteral("\r\n\r\n") + path;
}
