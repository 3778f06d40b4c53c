#pragma once

#include "base/string_table.h"

#include <QString>

// The string-table texts the analysis core puts into its results, so that the window and
// the command-line tool show the same words.
namespace AnalysisTexts {

inline QString name() {
    return StringTable::text(1065);
}
inline QString allreadyReserved() {
    return StringTable::text(1066);
}
inline QString fileNotFound() {
    return StringTable::text(1067);
}
inline QString project() {
    return StringTable::text(1080);
}
inline QString globalVariables() {
    return StringTable::text(1081);
}
inline QString constants() {
    return StringTable::text(1082);
}
inline QString labels() {
    return StringTable::text(1083);
}
inline QString procedures() {
    return StringTable::text(1084);
}
inline QString searchUndefined() {
    return StringTable::text(1100);
}
inline QString isComplete() {
    return StringTable::text(1101);
}
inline QString unknownFound() {
    return StringTable::text(1102);
}

} // namespace AnalysisTexts
