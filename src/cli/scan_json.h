#pragma once

#include "cli/file_scan.h"

#include <QByteArray>
#include <QTextStream>

// tamro-scan's JSON form: one object per file with the nodes in insertion order, lstProc as
// "declared", the four word lists, the scan's own completion entries and the reports, plus
// "undefined" and "message" when the search ran. Lines are 1-based.
//
// Written piece by piece, so neither the object nor its text is ever held whole; the text is
// what QJsonDocument writes in compact form for the same object, byte for byte: keys in
// order, the same escapes.
namespace ScanJson {

// The object in compact form: one line, without its line end. True when the search found
// an undefined name.
bool write(QTextStream &out, const FileScan &file);

// The same as UTF-8 bytes.
QByteArray line(const FileScan &file);

} // namespace ScanJson
