#pragma once

#include "analysis/navigator_node.h"
#include "cli/file_scan.h"

#include <QList>
#include <QTextStream>

// tamro-scan's text form: the navigator as an indented tree, shown as the window shows it,
// then one "FILE:LINE: text" line per report and per undefined name. Written line by line,
// so the output is never held whole.
namespace ScanText {

// The reports, then the undefined names, with 1-based lines. A message's line break
// becomes a blank, so each stays one line. True when an undefined name was written.
bool writeFindings(QTextStream &out, const FileScan &file);

// The outline and the findings, each line ended by "\n". True as writeFindings(). An
// outline of more than `held` bytes is written group by group from scans made again.
bool write(QTextStream &out, const FileScan &file, qsizetype held = qsizetype(8) << 20);

} // namespace ScanText
