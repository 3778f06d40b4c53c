#include "cli/scan_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

std::optional<ScanOptions> ScanOptions::parse(const QStringList &arguments, QString *error) {
    QCommandLineParser parser;
    // "-abc" stays three short options, so a mistyped "-json" is refused rather than read as
    // something else; "--" ends the options for file names that start with "-".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption undefined(QStringLiteral("undefined"));
    const QCommandLineOption vocabulary(QStringLiteral("vocabulary-names"));
    const QCommandLineOption includeDir(QStringLiteral("include-dir"), QString(),
                                        QStringLiteral("DIR"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({json, undefined, vocabulary, includeDir, help});

    auto fail = [&](const QString &message) -> std::optional<ScanOptions> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());

    ScanOptions options;
    options.help = parser.isSet(help);
    options.json = parser.isSet(json);
    options.undefined = parser.isSet(undefined);
    options.vocabularyNames = parser.isSet(vocabulary);
    if (parser.isSet(includeDir))
        options.includeDir = parser.value(includeDir);
    options.files = parser.positionalArguments();
    if (!options.help && !options.vocabularyNames && options.files.isEmpty())
        return fail(QStringLiteral("No FILE given."));
    return options;
}

QString ScanOptions::usage() {
    return QStringLiteral(
        "Usage: tamro-scan [--undefined] [--json] [--include-dir DIR] FILE...\n"
        "       tamro-scan --vocabulary-names\n"
        "Prints the navigator outline and the reports of each OPL source FILE.\n"
        "\n"
        "  --undefined         also list every undefined name; exit status 1 when any\n"
        "  --json              one JSON object per file and line instead of text\n"
        "  --include-dir DIR   the folder of included headers (default: tamro.ini's)\n"
        "  --vocabulary-names  print the names of the vocabulary in global.xml\n"
        "  -h, --help          print this help\n"
        "\n"
        "Exit status: 0 done, 1 an undefined name was found, 2 a file could not be read\n"
        "or the command line or global.xml was wrong.\n");
}
