#pragma once

#include <QString>

// The string-table texts the analysis core puts into its results (entry numbers in
// brackets), so that the window and the command-line tool show the same words.
namespace AnalysisTexts {

inline QString name() {
    return QStringLiteral("Name");
} // 1065
inline QString allreadyReserved() {
    return QStringLiteral("allready reserved!");
} // 1066
inline QString fileNotFound() {
    return QStringLiteral("File not found!");
} // 1067
inline QString project() {
    return QStringLiteral("Project");
} // 1080
inline QString globalVariables() {
    return QStringLiteral("Global Variables");
} // 1081
inline QString constants() {
    return QStringLiteral("Constants");
} // 1082
inline QString labels() {
    return QStringLiteral("Labels");
} // 1083
inline QString procedures() {
    return QStringLiteral("Procedures");
} // 1084
inline QString searchUndefined() {
    return QStringLiteral("Search for undefined externals");
} // 1100
inline QString isComplete() {
    return QStringLiteral(" is complete!");
} // 1101
inline QString unknownFound() {
    return QStringLiteral(" Unknown elements was found!");
} // 1102

} // namespace AnalysisTexts
