#pragma once

#include <QString>
#include <QStringView>

// The navigator's key scheme. The first character tells the kind ("A" project, "L" labels,
// "V" globals, "C" constants, "F" procedures and OPX functions); a one-character key is a
// top-level node; a key with "_" after its first character is a member of a procedure
// (parameter, local, logical file); every other key is a symbol node.
namespace NavigatorKeys {

inline constexpr QChar kProject = u'A';
inline constexpr QChar kLabels = u'L';
inline constexpr QChar kGlobals = u'V';
inline constexpr QChar kConstants = u'C';
inline constexpr QChar kProcedures = u'F';

bool isTopLevel(QStringView key);
bool isMember(QStringView key);
bool isSymbol(QStringView key); // global, constant, procedure or function, label

// The kind letter of a key; a null QChar for an empty key.
QChar kind(QStringView key);

QString topLevel(QChar kind);
QString symbol(QChar kind, int number);         // "V3"
QString member(int procedureNumber, int child); // "F2_5"

} // namespace NavigatorKeys
