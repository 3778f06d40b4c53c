#pragma once

#include "analysis/vocabulary_names.h"
#include "cli/scan_options.h"

#include <QByteArray>
#include <QList>
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

    // `arguments` as QCoreApplication gives them, the program first. `nativeArguments`, when
    // given, are the same as the system passed them (argv's bytes): file names are opened by
    // these, so a name that is not text in the locale's encoding still opens.
    int run(const QStringList &arguments, const QList<QByteArray> &nativeArguments = {});

    // The include folder named in the program folder's tamro.ini; "" without one.
    static QString configuredIncludeFolder(const QString &programDir);

private:
    bool loadVocabulary(QStringList &names);
    // Scans one file and writes its result; false when it could not be read.
    bool scanFile(const QString &name, const QByteArray &nativeName, const ScanOptions &options,
                  bool &undefinedFound);
    void complain(const QString &message);
    // False, with a message, once the output could not be written (a full disk, /dev/full).
    bool outputWritten();

    QString m_programDir;
    QTextStream &m_out;
    QTextStream &m_err;
    VocabularyNames m_vocabulary;
    QString m_includeFolder;
};
