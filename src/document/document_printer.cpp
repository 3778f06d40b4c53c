#include "document/document_printer.h"

#include "document/scintilla_call.h"

#include <Qsci/qsciscintilla.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

using Sci = QsciScintillaBase;

// The page header: the caption on the left, the page number on the right, a rule below.
// Returns the height it takes.
int drawHeader(QPainter &painter, const QRect &page, const QString &caption, int number) {
    const QFontMetrics metrics(painter.font());
    const int height = metrics.height();
    const QString pageText = QStringLiteral("Page %1").arg(number);
    const int pageWidth = metrics.horizontalAdvance(pageText);
    const QRect line(page.left(), page.top(), page.width(), height);
    painter.drawText(
        line.adjusted(0, 0, -(pageWidth + height), 0), Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(caption, Qt::ElideMiddle, page.width() - pageWidth - height));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, pageText);
    const int ruleY = page.top() + height + height / 4;
    painter.drawLine(page.left(), ruleY, page.right(), ruleY);
    return height + height / 2;
}

// Puts the editor's print settings for the options in place and takes them back afterwards.
class PrintSettings {
public:
    PrintSettings(QsciScintilla &editor, int options)
        : m_editor(editor), m_marginWidth(int(sciCall(editor, Sci::SCI_GETMARGINWIDTHN, 0))) {
        const bool colours = options & DocumentPrinter::Colours;
        sciCall(editor, Sci::SCI_SETPRINTCOLOURMODE,
                colours ? Sci::SC_PRINT_NORMAL : Sci::SC_PRINT_BLACKONWHITE);
        sciCall(editor, Sci::SCI_SETPRINTWRAPMODE, Sci::SC_WRAP_WORD);
        // Scintilla prints the line numbers exactly when the number margin has a width.
        const bool numbers = options & DocumentPrinter::LineNumbers;
        sciCall(editor, Sci::SCI_SETMARGINWIDTHN, 0, numbers ? std::max(m_marginWidth, 1) : 0);
    }
    ~PrintSettings() { sciCall(m_editor, Sci::SCI_SETMARGINWIDTHN, 0, m_marginWidth); }
    PrintSettings(const PrintSettings &) = delete;
    PrintSettings &operator=(const PrintSettings &) = delete;

private:
    QsciScintilla &m_editor;
    int m_marginWidth;
};

} // namespace

bool DocumentPrinter::print(QsciScintilla &editor, QPrinter &printer, int options,
                            const QString &caption) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintSettings settings(editor, options);
    const QRect page(0, 0, painter.device()->width(), painter.device()->height());
    const long end = sciCall(editor, Sci::SCI_GETLENGTH);
    long position = 0;
    int number = 1;
    do {
        if (number > 1)
            printer.newPage();
        QRect area = page;
        if (options & PageHeader)
            area.setTop(area.top() + drawHeader(painter, page, caption, number));
        const long next =
            editor.SendScintilla(Sci::SCI_FORMATRANGE, 1, &painter, area, position, end);
        // A page that takes nothing would never end the loop.
        if (next <= position)
            break;
        position = next;
        ++number;
    } while (position < end);
    painter.end();
    return true;
}
