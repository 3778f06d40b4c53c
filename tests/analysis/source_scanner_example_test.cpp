#include "analysis/source_scanner.h"
#include "common/case_file.h"
#include "common/golden_file.h"
#include "scan_test_support.h"

#include <gtest/gtest.h>

// Every part of a scan result, one item a line.
QString printed(const ScanResult &r) {
    QStringList out{r.rebuilt ? "rebuilt" : "kept"};
    for (const NavigatorNode &n : r.nodes)
        out << "node " + n.key + " in '" + n.parentKey + "': " + n.text;
    out << "lstProc: " + r.lstProc.join(' ') << "variables: " + r.variables.join(' ')
        << "labels: " + r.labels.join(' ') << "constants: " + r.constants.join(' ')
        << "functions: " + r.functions.join(' ');
    for (const CompletionEntry &e : r.completions)
        out << QString("entry %1 %2 icon %3: %4")
                   .arg(e.name, e.params)
                   .arg(e.icon)
                   .arg(e.description);
    for (const ScanReport &report : r.reports)
        out << QString("report %1 line %2 on %3: %4")
                   .arg(int(report.kind))
                   .arg(report.line)
                   .arg(report.subject, QString(report.message).replace("\r", "<CR>"));
    return out.join('\n') + '\n';
}

// Each source of the case file scanned, its result printed in full after it.
TEST(SourceScannerExample, ResultsAsInTheGoldenFile) {
    QString all;
    for (const CaseLine &c : readCases("analysis/scan_sources.txt", 4)) {
        const QStringList lines = c.text(1).split('\n');
        FakeIncludes includes;
        if (!c.text(2).isEmpty())
            includes.files["/inc/" + c.text(2)] = c.text(3);
        all += "== " + lines.join(" / ") + '\n' +
               printed(scanSource(lines, testVocabulary(), "/inc", std::ref(includes), c.text(0)));
        if (!includes.requested.isEmpty())
            all += "requested: " + includes.requested.join(' ') + '\n';
    }
    expectGolden(all, "analysis/scan_results.txt");
}
