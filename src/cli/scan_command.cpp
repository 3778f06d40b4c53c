#include "cli/scan_command.h"

#include "analysis/completion_list.h"
#include "base/settings_file.h"
#include "cli/file_scan.h"
#include "cli/scan_json.h"
#include "cli/scan_text.h"
#include "cli/source_file.h"

#include <QIODevice>

ScanCommand::ScanCommand(const QString &programDir, QTextStream &out, QTextStream &err)
    : m_programDir(programDir), m_out(out), m_err(err) {}

namespace {

// The bytes each file name was given as: the next native argument that reads as the name.
// Positional arguments keep their order, so a forward search pairs each with its own.
QList<QByteArray> nativeNames(const QStringList &files, const QStringList &arguments,
                              const QList<QByteArray> &native) {
    QList<QByteArray> names;
    qsizetype from = 1;
    for (const QString &file : files) {
        QByteArray found;
        if (native.size() == arguments.size())
            for (qsizetype i = from; i < arguments.size(); ++i)
                if (arguments[i] == file) {
                    found = native[i];
                    from = i + 1;
                    break;
                }
        names.append(found);
    }
    return names;
}

} // namespace

int ScanCommand::run(const QStringList &arguments, const QList<QByteArray> &nativeArguments) {
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
    if (!outputWritten())
        return Failed;
    m_includeFolder =
        options->includeDir ? *options->includeDir : configuredIncludeFolder(m_programDir);

    bool unreadable = false;
    bool undefinedFound = false;
    const QList<QByteArray> native = nativeNames(options->files, arguments, nativeArguments);
    for (qsizetype i = 0; i < options->files.size(); ++i) {
        unreadable =
            !scanFile(options->files[i], native[i], *options, undefinedFound) || unreadable;
        if (!outputWritten())
            return Failed;
    }
    m_out.flush();
    if (!outputWritten())
        return Failed;
    return unreadable ? Failed : undefinedFound ? UndefinedFound : Clean;
}

bool ScanCommand::outputWritten() {
    if (m_out.status() == QTextStream::Ok)
        return true;
    const QIODevice *device = m_out.device();
    const QString reason = device && !device->errorString().isEmpty()
                               ? device->errorString()
                               : QStringLiteral("write error");
    m_err << QStringLiteral("tamro-scan: cannot write the output: ") << reason << u'\n';
    m_err.flush();
    return false;
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

bool ScanCommand::scanFile(const QString &name, const QByteArray &nativeName,
                           const ScanOptions &options, bool &undefinedFound) {
    const SourceFile source = SourceFile::read(name, nativeName);
    if (!source.ok) {
        complain(source.error);
        return false;
    }
    const SourceLines lines = source.lines();
    const FileScan scan =
        FileScan::stream(name, lines, m_vocabulary, m_includeFolder, options.undefined);
    bool found = false;
    if (options.json) {
        found = ScanJson::write(m_out, scan);
        m_out << u'\n';
    } else {
        found = ScanText::write(m_out, scan);
    }
    undefinedFound = undefinedFound || found;
    return true;
}

void ScanCommand::complain(const QString &message) {
    // Keep the message in its place among the output when both go to one terminal.
    m_out.flush();
    m_err << QStringLiteral("tamro-scan: ") << message << u'\n';
    m_err.flush();
}
