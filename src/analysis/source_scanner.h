#pragma once

#include "analysis/include_file.h"
#include "analysis/scan_builder.h"
#include "analysis/scan_result.h"
#include "analysis/source_lines.h"
#include "analysis/vocabulary_names.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <string>

class LineKeywords;

// Reads a document's OPL source line by line into a ScanResult: globals, constants,
// procedures and their parameters, locals and logical files, labels, OPX functions declared
// in the document or in files it includes, and the reports of names taken twice.
class SourceScanner {
public:
    // `includeFolder` is joined to the included name with "/" as it stands.
    SourceScanner(const VocabularyNames &vocabulary, const QString &includeFolder,
                  IncludeReader readFile, const QString &caption);
    ~SourceScanner();

    ScanResult scan(const SourceLines &lines);

    // The same scan handing everything it finds to `sink` instead of keeping it; returns the
    // names declared. A document of fewer than 2 lines gives nothing, as scan() rebuilds nothing.
    DeclaredNames scan(const SourceLines &lines, ScanSink &sink);

private:
    void scanLine(QStringView line, int index);
    void scanIncludedLine(QStringView line, int includeLine);
    void declareBlock(const LineKeywords &keywords);
    void releaseBuffer();
    void addVariables(QStringView rest, bool global, int index);
    void addConstant(QStringView rest, ScanBuilder::Origin origin, int index);
    void addLogicalFile(QStringView rest, int index);
    void addOpxFunction(QStringView line, ScanBuilder::Origin origin, int index);
    void addLabel(QStringView before); // the text before the line's first "::"
    void followInclude(QStringView rest, int index);

    const VocabularyNames &m_vocabulary;
    QString m_includeFolder;
    IncludeReader m_readFile;
    QString m_caption;
    std::unique_ptr<ScanBuilder> m_builder;
    std::u16string m_buffer; // a line's part without its blanks
    bool m_inDeclareBlock = false;
};

// The scan as the document window and the command-line tool run it.
ScanResult scanSource(const SourceLines &lines, const VocabularyNames &vocabulary,
                      const QString &includeFolder,
                      const IncludeReader &readFile = &IncludeFile::read,
                      const QString &caption = {});
DeclaredNames scanSource(const SourceLines &lines, const VocabularyNames &vocabulary,
                         const QString &includeFolder, const IncludeReader &readFile,
                         const QString &caption, ScanSink &sink);
inline ScanResult scanSource(const QStringList &lines, const VocabularyNames &vocabulary,
                             const QString &includeFolder,
                             const IncludeReader &readFile = &IncludeFile::read,
                             const QString &caption = {}) {
    return scanSource(SourceLines(lines), vocabulary, includeFolder, readFile, caption);
}
