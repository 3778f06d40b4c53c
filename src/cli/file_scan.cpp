#include "cli/file_scan.h"

#include "analysis/source_scanner.h"

#include <QDir>

qsizetype FileScan::undefinedCount() const {
    qsizetype count = 0;
    if (undefined)
        undefined([&count](int, QStringView) {
            ++count;
            return true;
        });
    return count;
}

FileScan FileScan::run(const QString &name, const SourceLines &lines,
                       const VocabularyNames &vocabulary, const QString &includeFolder,
                       bool searchUndefined) {
    FileScan result;
    result.name = name;
    result.absolutePath = absolute(name);
    result.scan =
        scanSource(lines, vocabulary, includeFolder, &IncludeFile::read, result.absolutePath);
    if (searchUndefined)
        result.undefined = [lines, &vocabulary, lstProc = result.scan.lstProc,
                            nodes = result.scan.nodes](const UndefinedVisitor &visit) {
            return ::searchUndefined(lines, vocabulary, lstProc, nodes, visit);
        };
    return result;
}

QString FileScan::absolute(const QString &name) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}
