#include "translator/command_line.h"

#include <algorithm>

namespace {

bool isPlainShellChar(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
        return true;
    return QStringView(u"/._-+:,@").contains(c);
}

} // namespace

QString shellArgument(const QString &argument) {
    if (!argument.isEmpty() && std::all_of(argument.begin(), argument.end(), isPlainShellChar))
        return argument;
    QString quoted = argument;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString translationCommandLine(const QString &translator, const QString &source,
                               const QString &includeFolder, const QString &outputFolder) {
    QString line = shellArgument(translator) + u' ' + shellArgument(source) + u' ';
    if (!includeFolder.isEmpty())
        line += shellArgument(QStringLiteral("-i") + includeFolder) + u' ';
    if (!outputFolder.isEmpty())
        line += shellArgument(QStringLiteral("-o") + outputFolder) + u' ';
    return line;
}

QString conversionCommandLine(const QString &translator, const QString &file,
                              const QString &outputFolder) {
    QString line = shellArgument(translator) + u' ' + shellArgument(file);
    if (!outputFolder.isEmpty())
        line += u' ' + shellArgument(QStringLiteral("-o") + outputFolder);
    return line + QStringLiteral(" -conv");
}

QString withLogRedirection(const QString &commandLine, const QString &logPath) {
    return commandLine + QStringLiteral(" >> ") + shellArgument(logPath);
}
