#include "cli/file_scan.h"

#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"

#include <QDir>

FileScan FileScan::run(const QString &name, const QStringList &lines,
                       const VocabularyNames &vocabulary, const QString &includeFolder,
                       bool searchUndefined) {
    FileScan result;
    result.name = name;
    result.absolutePath = absolute(name);
    result.scan =
        scanSource(lines, vocabulary, includeFolder, &IncludeFile::read, result.absolutePath);
    if (searchUndefined)
        result.undefined = findUndefined(lines, vocabulary, result.scan.lstProc, result.scan.nodes);
    return result;
}

QString FileScan::absolute(const QString &name) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}
