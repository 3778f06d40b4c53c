#include "document/opl_lexer.h"

#include "analysis/document_language.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <cstring>

namespace {

QColor fromBgr(quint32 colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

OplLexer::OplLexer(std::shared_ptr<const DocumentLanguage> language, QObject *parent)
    : QsciLexerCustom(parent) {
    setDocumentLanguage(std::move(language));
}

void OplLexer::setDocumentLanguage(std::shared_ptr<const DocumentLanguage> language) {
    m_language = std::move(language);
    refresh();
}

void OplLexer::refresh() {
    if (!m_language) {
        m_tokenizer = OplTokenizer();
        return;
    }
    m_revision = m_language->revision();
    m_tokenizer = OplTokenizer(*m_language);
    for (const DocumentLanguage::Category &category : m_language->categories()) {
        const QColor wanted = fromBgr(category.colour);
        if (color(category.style) != wanted)
            setColor(wanted, category.style); // tells the editor through colorChanged()
    }
}

const char *OplLexer::language() const {
    return "OPL";
}

QString OplLexer::description(int style) const {
    if (m_language)
        for (const DocumentLanguage::Category &category : m_language->categories())
            if (category.style == style)
                return category.name;
    // The editor only sets up styles that have a description; keep the default one.
    return style == 0 ? QStringLiteral("Default") : QString();
}

QColor OplLexer::defaultColor(int style) const {
    if (m_language)
        for (const DocumentLanguage::Category &category : m_language->categories())
            if (category.style == style)
                return fromBgr(category.colour);
    return QColor(Qt::black);
}

QColor OplLexer::defaultPaper(int) const {
    return QColor(Qt::white);
}

const char *OplLexer::wordCharacters() const {
    // Type suffixes belong to the word, so a double click selects "name$" whole.
    return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_$%&";
}

void OplLexer::styleText(int start, int end) {
    QsciScintilla *ed = editor();
    if (!ed || end <= start)
        return;
    if (m_language && m_language->revision() != m_revision)
        refresh();

    // Style whole lines, so a word is never cut at the end of the range.
    const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long endLine = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end);
    if (ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, endLine) < end) {
        const long next = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, endLine + 1);
        end = int(next < 0 ? length : next);
    }
    end = int(qMin<long>(end, length));
    if (end <= start)
        return;

    m_buffer.resize(end - start + 1);
    ed->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, long(start), long(end), m_buffer.data());
    const char *text = m_buffer.constData();
    const int size = end - start;

    // The styles of the range are gathered first and handed over in one call: one message
    // per run cost more than the tokenizing itself on a large text.
    m_styles.resize(size);
    char *styles = m_styles.data();
    int pos = 0;
    const auto fill = [&](int length, int style) {
        std::memset(styles + pos, style, std::size_t(length));
        pos += length;
    };
    while (pos < size) {
        int lineEnd = pos;
        while (lineEnd < size && text[lineEnd] != '\n' && text[lineEnd] != '\r')
            ++lineEnd;
        m_tokenizer.styleLine(QByteArrayView(text + pos, lineEnd - pos), m_runs);
        for (const OplTokenizer::Run &run : m_runs)
            fill(run.length, run.style);
        int eol = lineEnd;
        if (eol < size && text[eol] == '\r')
            ++eol;
        if (eol < size && text[eol] == '\n')
            ++eol;
        if (eol > lineEnd)
            fill(eol - lineEnd, m_tokenizer.textStyle());
    }
    startStyling(start);
    ed->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(size),
                      m_styles.constData());
}
