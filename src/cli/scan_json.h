#pragma once

#include "cli/file_scan.h"

#include <QByteArray>
#include <QJsonObject>

// tamro-scan's JSON form: one object per file with the nodes in insertion order, lstProc as
// "declared", the four word lists, the scan's own completion entries and the reports, plus
// "undefined" and "message" when the search ran. Lines are 1-based.
namespace ScanJson {

QJsonObject toObject(const FileScan &file);

// The object in compact form: one line, without its line end.
QByteArray line(const FileScan &file);

} // namespace ScanJson
