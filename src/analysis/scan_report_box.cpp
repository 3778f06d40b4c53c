#include "analysis/scan_report_box.h"

ScanReportBox ScanReportBox::of(const QList<ScanReport> &reports) {
    const QString lineEnd = QStringLiteral("\r\n");
    ScanReportBox box;
    QStringList shown;
    for (const ScanReport &report : reports) {
        const bool include = report.kind == ScanReport::Kind::MissingInclude ||
                             report.kind == ScanReport::Kind::UnreadableInclude;
        box.critical = box.critical || include;
        if (report.kind == ScanReport::Kind::DuplicateName &&
            !box.markedLines.contains(report.line))
            box.markedLines.append(report.line);
        if (shown.size() < kMaxShownReports) {
            // A report's own line break (path, then "File not found!") would split it in two.
            QString text = report.message;
            text.replace(lineEnd, QStringLiteral(" "));
            shown << QStringLiteral("Line %1: %2").arg(report.line + 1).arg(text);
        }
    }
    if (reports.size() > kMaxShownReports)
        shown << QStringLiteral("and %1 more").arg(reports.size() - kMaxShownReports);
    box.text = shown.join(lineEnd);
    if (box.critical)
        box.text +=
            lineEnd + lineEnd + QStringLiteral("The include folder is set in View > Settings.");
    return box;
}
