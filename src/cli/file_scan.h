#pragma once

#include "analysis/declared_names.h"
#include "analysis/scan_result.h"
#include "analysis/scan_sink.h"
#include "analysis/source_lines.h"
#include "analysis/undefined_search.h"
#include "analysis/vocabulary_names.h"

#include <QString>
#include <functional>

// One source file as tamro-scan reports it: the scan the document window would make of it,
// titled with the file's absolute path, and optionally the search for undefined names.
struct FileScan {
    // Hands the findings of the search in order to `visit` until it returns false; returns
    // false then. A file may hold more findings than memory, so they are made while written.
    using Findings = std::function<bool(const UndefinedVisitor &visit)>;

    // Makes the scan again, handing it to a sink; returns the names declared.
    using Rescan = std::function<DeclaredNames(ScanSink &sink)>;

    QString name;         // as given on the command line
    QString absolutePath; // absolute and cleaned; symbolic links are not resolved
    ScanResult scan;      // a scan already made, replayed when `rescan` is not set
    Findings undefined;   // empty when the search was not asked for
    // When set, the scan is made once for each part written instead of being held in `scan`:
    // millions of names are never held as nodes, entries and lists at once.
    Rescan rescan;

    // Hands the scan to `sink`: made again by `rescan`, or read from `scan`.
    void replay(ScanSink &sink) const;

    // The number of findings, by a pass that keeps none of them.
    qsizetype undefinedCount() const;

    // A file scanned when written, and again for each part: nothing is scanned here. The
    // search runs over every line even when the file was too short to scan. `lines` and
    // `vocabulary` must outlive the result.
    static FileScan stream(const QString &name, const SourceLines &lines,
                           const VocabularyNames &vocabulary, const QString &includeFolder,
                           bool searchUndefined);

    // The absolute form of a command-line path, as `absolutePath` holds it.
    static QString absolute(const QString &name);
};
