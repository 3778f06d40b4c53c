#include "dialogs/version_text.h"

#include <QList>

QString versionText(QStringView projectVersion) {
    const QList<QStringView> parts = projectVersion.split(u'.');
    QStringList numbers;
    for (qsizetype i = 0; i < 3; ++i) {
        bool ok = false;
        const uint value = i < parts.size() ? parts.at(i).trimmed().toUInt(&ok) : 0;
        numbers << QString::number(ok ? value : 0);
    }
    return numbers.join(u'.');
}
