#pragma once

#include "analysis/scan_result.h"
#include "analysis/undefined_search_result.h"
#include "analysis/vocabulary_names.h"

#include <QString>
#include <QStringList>
#include <optional>

// One source file as tamro-scan reports it: the scan the document window would make of it,
// titled with the file's absolute path, and optionally the search for undefined names.
struct FileScan {
    QString name;         // as given on the command line
    QString absolutePath; // absolute and cleaned; symbolic links are not resolved
    ScanResult scan;      // empty when the file has fewer than 2 lines
    std::optional<UndefinedSearchResult> undefined;

    // The search runs over every line even when the file was too short to scan.
    static FileScan run(const QString &name, const QStringList &lines,
                        const VocabularyNames &vocabulary, const QString &includeFolder,
                        bool searchUndefined);

    // The absolute form of a command-line path, as `absolutePath` holds it.
    static QString absolute(const QString &name);
};
