#pragma once

#include "analysis/completion_entry.h"
#include "analysis/navigator_node.h"
#include "analysis/scan_report.h"
#include "analysis/scan_sink.h"

#include <QList>
#include <QStringList>

// Everything one scan of a document produces. The window applies it in one go: it refills
// the tree, lstProc and the four word lists, appends the completion entries to a fresh copy
// of the fixed vocabulary, makes the last node current and plays the reports in order.
struct ScanResult {
    // False when the document had fewer than 2 lines: the window keeps what it had.
    bool rebuilt = false;

    // Insertion order. The "Labels" node may come late (when only a label on a line with a
    // quote created it); it is still shown as the second top-level node.
    QList<NavigatorNode> nodes;
    // Per node, the 0-based document line that declared it: the INCLUDE line for a name
    // from a header, -1 for a group.
    QList<int> nodeLines;
    QStringList lstProc;

    // Word lists of the categories "variables", "labels", "constants", "functions".
    QStringList variables;
    QStringList labels;
    QStringList constants;
    QStringList functions;

    QStringList &words(ScanSink::Words list) {
        switch (list) {
        case ScanSink::Words::Variables:
            return variables;
        case ScanSink::Words::Labels:
            return labels;
        case ScanSink::Words::Constants:
            return constants;
        case ScanSink::Words::Functions:
            break;
        }
        return functions;
    }
    const QStringList &words(ScanSink::Words list) const {
        return const_cast<ScanResult *>(this)->words(list);
    }

    QList<CompletionEntry> completions; // the scan's own entries, in the order met
    QList<ScanReport> reports;

    bool operator==(const ScanResult &) const = default;
};
