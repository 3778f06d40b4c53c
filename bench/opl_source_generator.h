#pragma once

#include <QString>
#include <QStringList>

// Deterministic OPL sources for the scanner benchmarks: procedures of about 50 lines with
// parameters, locals, globals, constants, logical files, labels, strings, comments and a
// few names nothing declares, plus an INCLUDE of the header below.
namespace OplSourceGenerator {

QStringList lines(int lineCount, quint32 seed = 1);

// The header the generated sources include, as "opx/sys.oph" in the include folder.
QString includeName();
QString header();

// The fixed vocabulary the generated sources use.
QStringList vocabulary();

} // namespace OplSourceGenerator
