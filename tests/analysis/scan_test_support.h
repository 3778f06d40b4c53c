#pragma once

#include "analysis/include_file.h"
#include "analysis/scan_result.h"
#include "analysis/vocabulary_names.h"
#include "common/qstring_printer.h"

#include <QMap>
#include <QStringList>

inline VocabularyNames testVocabulary() {
    return VocabularyNames({"PRINT", "IF", "ENDIF", "GOTO", "ONERR", "GLOBAL", "LOCAL", "PROC",
                            "ENDP", "CONST", "OPEN", "USE", "Beep"});
}

// Every node below the top level as "key=text", in insertion order.
inline QString symbolNodes(const ScanResult &result) {
    QStringList parts;
    for (const NavigatorNode &node : result.nodes)
        if (node.key.size() > 1)
            parts << node.key + u'=' + node.text;
    return parts.join(u' ');
}

// Serves include files from memory; any other path is not a file.
struct FakeIncludes {
    QMap<QString, QString> files;
    QStringList requested;
    IncludeFile operator()(const QString &path) {
        requested << path;
        const bool known = files.contains(path);
        return {known ? IncludeFile::Status::Read : IncludeFile::Status::NotAFile,
                files.value(path),
                {}};
    }
};
