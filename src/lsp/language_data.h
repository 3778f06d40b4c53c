#pragma once

#include "analysis/completion_entry.h"
#include "analysis/vocabulary_names.h"
#include "lsp/reference_sections.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the server knows of OPL before it sees a document: the fixed vocabulary (global.xml),
// the command reference (OPLCommands.RTF) and the include folder (tamro.ini), all read from
// the program folder as tamro-scan reads them.
struct LanguageData {
    QList<CompletionEntry> vocabulary; // the completion list's entries, in its order
    VocabularyNames names;
    ReferenceSections reference;
    QString includeFolder;
    QStringList problems; // one line per file that could not be used

    static LanguageData load(const QString &programDir);
    // The vocabulary entry named `word` (ignoring case), or nullptr.
    const CompletionEntry *entry(QStringView word) const;
};
