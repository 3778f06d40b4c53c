#include "lsp/language_data.h"

#include "analysis/completion_list.h"
#include "cli/scan_command.h"

#include <QFile>

LanguageData LanguageData::load(const QString &programDir) {
    LanguageData data;
    CompletionList list;
    QString error;
    const QString globalXml = programDir + QStringLiteral("/global.xml");
    if (list.load(globalXml, &error))
        data.vocabulary = list.entries();
    else
        data.problems.append(QStringLiteral("%1: %2").arg(globalXml, error));
    data.names = VocabularyNames(list.names());

    QFile reference(programDir + QStringLiteral("/OPLCommands.RTF"));
    // The reference is a few hundred kilobytes; the limit keeps a wrong file from filling memory.
    if (reference.open(QIODevice::ReadOnly) && reference.size() < 64 * 1024 * 1024)
        data.reference = ReferenceSections::fromRtf(reference.readAll());
    else
        data.problems.append(QStringLiteral("%1: %2").arg(
            reference.fileName(),
            reference.isOpen() ? QStringLiteral("too large") : reference.errorString()));
    data.includeFolder = ScanCommand::configuredIncludeFolder(programDir);
    return data;
}

const CompletionEntry *LanguageData::entry(QStringView word) const {
    for (const CompletionEntry &entry : vocabulary)
        if (QStringView(entry.name).compare(word, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}
