#pragma once

#include "analysis/opl_tokenizer.h"

#include <Qsci/qscilexercustom.h>

#include <QByteArray>

#include <memory>
#include <vector>

class DocumentLanguage;

// Colours OPL in the editor by the document's language definition: its categories give the
// styles and colours, its word lists the keywords and the document's own names.
//
// Styling is line by line, so a keystroke restyles only from the changed line to the end
// of what the editor needs. When the language changes (colours or word lists after a scan),
// the next styling takes the change over; the editor's "restyle all" then shows it
// everywhere.
class OplLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    explicit OplLexer(std::shared_ptr<const DocumentLanguage> language, QObject *parent = nullptr);

    void setDocumentLanguage(std::shared_ptr<const DocumentLanguage> language);
    std::shared_ptr<const DocumentLanguage> documentLanguage() const { return m_language; }

    // Takes over the language's colours and word lists now.
    void refresh();

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    const char *wordCharacters() const override;
    void styleText(int start, int end) override;

private:
    std::shared_ptr<const DocumentLanguage> m_language;
    quint64 m_revision = 0;
    OplTokenizer m_tokenizer;
    QByteArray m_buffer;
    QByteArray m_styles; // one byte per byte of m_buffer
    std::vector<OplTokenizer::Run> m_runs;
};
