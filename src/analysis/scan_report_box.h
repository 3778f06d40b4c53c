#pragma once

#include "analysis/scan_report.h"

#include <QList>
#include <QString>

// All that one scan has to tell, in a single message box: each report on its own line after
// "Line N: " (1-based), at most kMaxShownReports of them and then "and N more", and, when an
// include was missing or unreadable, where the include folder is set.
struct ScanReportBox {
    QString text;           // empty when the scan had nothing to tell
    bool critical = false;  // an include could not be read; otherwise information
    QList<int> markedLines; // 0-based document lines holding a duplicate, in report order

    static ScanReportBox of(const QList<ScanReport> &reports);
};

inline constexpr int kMaxShownReports = 20;
