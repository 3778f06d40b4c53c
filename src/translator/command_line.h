#pragma once

#include <QString>

// The command lines that opltran.bat runs. The batch file is a POSIX sh script, so every
// argument goes through shellArgument(): a path can never run a command, whatever its name.

// `argument` as one sh word: unchanged when it holds only ASCII letters, digits and
// "/._-+:,@"; otherwise single-quoted whole, each ' written as '\''. An empty argument
// becomes ''.
QString shellArgument(const QString &argument);

// The translation command: translator, source, "-i" + include folder and "-o" + output
// folder (each only when set), every part followed by one blank.
QString translationCommandLine(const QString &translator, const QString &source,
                               const QString &includeFolder, const QString &outputFolder);

// The conversion command: translator, file, "-o" + folder when set, then "-conv" with no
// trailing blank.
QString conversionCommandLine(const QString &translator, const QString &file,
                              const QString &outputFolder);

// `commandLine` with its output appended to `logPath`: " >> " + the quoted log path.
QString withLogRedirection(const QString &commandLine, const QString &logPath);
