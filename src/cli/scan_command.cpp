#include "cli/scan_command.h"

#include "analysis/completion_list.h"
#include "app/settings_file.h"
#include "cli/file_scan.h"
#include "cli/scan_json.h"
#include "cli/scan_text.h"
#include "cli/source_file.h"

ScanCommand::ScanCommand(const QString &programDir, QTextStream &out, QTextStream &err)
    : m_programDir(programDir), m_out(out), m_err(err) {}

int ScanCommand::run(const QStringList &arguments) {
    QString error;
    const std::optional<ScanOptions> options = ScanOptions::parse(arguments, &error);
    if (!options) {
        complain(error + QStringLiteral(" Try 'tamro-scan --help'."));
        return Failed;
    }
    if (options->help) {
        m_out << ScanOptions::usage();
        return Clean;
    }
    QStringList names;
    if (!loadVocabulary(names))
        return Failed;
    if (options->vocabularyNames)
        for (const QString &name : names)
            m_out << name << u'\n';
    m_includeFolder =
        options->includeDir ? *options->includeDir : configuredIncludeFolder(m_programDir);

    bool unreadable = false;
    bool undefinedFound = false;
    for (const QString &file : options->files)
        unreadable = !scanFile(file, *options, undefinedFound) || unreadable;
    m_out.flush();
    return unreadable ? Failed : undefinedFound ? UndefinedFound : Clean;
}

QString ScanCommand::configuredIncludeFolder(const QString &programDir) {
    // A file cut short still gives its include folder when that line was read.
    AppSettings settings;
    readSettingsFile(programDir + QStringLiteral("/tamro.ini"), settings);
    return settings.Paths[2];
}

bool ScanCommand::loadVocabulary(QStringList &names) {
    const QString path = m_programDir + QStringLiteral("/global.xml");
    CompletionList list;
    QString error;
    if (!list.load(path, &error)) {
        // Without the vocabulary every OPL keyword would count as a user's name.
        complain(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    names = list.names();
    m_vocabulary = VocabularyNames(names);
    return true;
}

bool ScanCommand::scanFile(const QString &name, const ScanOptions &options, bool &undefinedFound) {
    const SourceFile source = SourceFile::read(name);
    if (!source.ok) {
        complain(source.error);
        return false;
    }
    const FileScan scan =
        FileScan::run(name, source.lines, m_vocabulary, m_includeFolder, options.undefined);
    if (options.json)
        m_out << QString::fromUtf8(ScanJson::line(scan)) << u'\n';
    else
        m_out << ScanText::format(scan);
    undefinedFound = undefinedFound || (scan.undefined && scan.undefined->found);
    return true;
}

void ScanCommand::complain(const QString &message) {
    // Keep the message in its place among the output when both go to one terminal.
    m_out.flush();
    m_err << QStringLiteral("tamro-scan: ") << message << u'\n';
    m_err.flush();
}
