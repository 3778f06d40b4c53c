#pragma once

#include "analysis/vocabulary_names.h"
#include "cli/scan_options.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// tamro-scan from its command line to its exit status. The program folder holds global.xml
// (the fixed vocabulary, required) and tamro.ini (the default include folder).
class ScanCommand {
public:
    enum ExitStatus {
        Clean = 0,
        UndefinedFound = 1, // --undefined found a name in some file
        Failed = 2,         // a file could not be read, or nothing could be scanned at all
    };

    ScanCommand(const QString &programDir, QTextStream &out, QTextStream &err);

    // `arguments` as QCoreApplication gives them, the program first.
    int run(const QStringList &arguments);

    // The include folder named in the program folder's tamro.ini; "" without one.
    static QString configuredIncludeFolder(const QString &programDir);

private:
    bool loadVocabulary(QStringList &names);
    // Scans one file and writes its result; false when it could not be read.
    bool scanFile(const QString &name, const ScanOptions &options, bool &undefinedFound);
    void complain(const QString &message);

    QString m_programDir;
    QTextStream &m_out;
    QTextStream &m_err;
    VocabularyNames m_vocabulary;
    QString m_includeFolder;
};
