#include "base/file_filter.h"

namespace FileFilter {

QString textFiles(const AppSettings &settings) {
    return QStringLiteral("Text ") + settings.FilterNames[1] + QStringLiteral(" (*.txt)|*.txt|");
}

QString sourceFiles(const AppSettings &settings) {
    return QStringLiteral("OPL ") + settings.FilterNames[1] +
           QStringLiteral("|*.opl;*.tpl;*.oph;*.tph;*.txt|") + textFiles(settings);
}

QStringList dialogFilters(const QString &filter, const AppSettings &settings) {
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (patterns.trimmed().isEmpty())
            continue;
        if (description.contains(QLatin1Char('(')))
            filters.append(description);
        else
            filters.append(QStringLiteral("%1 (%2)").arg(description, patterns).trimmed());
    }
    const QString allFiles =
        settings.FilterNames[2].isEmpty() ? QStringLiteral("All Files") : settings.FilterNames[2];
    filters.append(allFiles + QStringLiteral(" (*)"));
    return filters;
}

} // namespace FileFilter
