// Styling cost of the OPL lexer in an offscreen editor holding a generated 100,000-line
// source: the restyling after one keystroke in the middle, and the "restyle all" after a
// scan.

#include "analysis/document_language.h"
#include "document/opl_lexer.h"

#include "widget_bench_main.h"
#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

namespace {

constexpr int LineCount = 100000;
// About one screen: after a keystroke the editor styles from the changed line to the end
// of what it shows.
constexpr int VisibleLines = 60;

// A source of lineCount lines: procedures of 25 lines with declarations, loops, strings,
// numbers, comments, labels and calls, the mix the lexer meets in real programs.
QString generatedSource(int lineCount) {
    static const char *const body[] = {
        "  LOCAL i%,total&,name$(32),ratio",
        "  REM sums the first entries of table %1",
        "  name$=\"Table \"+NUM$(%1,5)",
        "  i%=1 :total&=&1F",
        "  WHILE i%<=KMax%",
        "    total&=total&+i%*2 REM running total",
        "    IF total&>1000000",
        "      GOTO done%1::",
        "    ENDIF",
        "    i%=i%+1",
        "  ENDWH",
        "  ratio=total&/3.5E2",
        "done%1::",
        "  gAT 10,20 :gPRINT \"Done: \",name$",
        "  PRINT \"Total of \"\"%1\"\":\";total&",
        "  show%1:(total&,\"unclosed",
        "  dINIT \"Result\"",
        "  dTEXT \"\",FIX$(ratio,2,10)",
        "  DIALOG",
        "  RETURN total&",
    };
    QStringList lines;
    lines.reserve(lineCount);
    for (int proc = 0; lines.size() < lineCount; ++proc) {
        lines.append(QStringLiteral("PROC sum%1%:(count%)").arg(proc));
        for (const char *line : body)
            lines.append(
                QString::fromLatin1(line).replace(QLatin1String("%1"), QString::number(proc)));
        lines.append(QStringLiteral("ENDP"));
        lines.append(QString());
        lines.append(QStringLiteral("REM ---"));
    }
    lines.resize(lineCount);
    return lines.join(QStringLiteral("\r\n"));
}

struct Editor {
    Editor() {
        language->load(QStringLiteral(TAMRO_SOURCE_DATA_DIR "/opl.xml"));
        editor.setUtf8(true);
        editor.setLexer(new OplLexer(language, &editor));
        editor.setText(generatedSource(LineCount));
        colourise(0, -1);
    }
    long send(unsigned int message, unsigned long w = 0, long l = 0) {
        return editor.SendScintilla(message, w, l);
    }
    void colourise(long from, long to) { send(QsciScintillaBase::SCI_COLOURISE, from, to); }
    long lineStart(int line) { return send(QsciScintillaBase::SCI_POSITIONFROMLINE, line); }

    std::shared_ptr<DocumentLanguage> language = std::make_shared<DocumentLanguage>();
    QsciScintilla editor;
};

// Made in main() once the application exists, and gone before it.
std::unique_ptr<Editor> editorHolder;
Editor &sharedEditor() {
    if (!editorHolder)
        editorHolder = std::make_unique<Editor>();
    return *editorHolder;
}

// Types a character in the middle line, or takes the last one back, so the text keeps its
// size over the iterations.
void typeOrTakeBack(Editor &e, int line, bool type) {
    const long at = e.lineStart(line) + 2;
    if (type)
        e.editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, uintptr_t(at), "x");
    else
        e.send(QsciScintillaBase::SCI_DELETERANGE, at, 1);
}

// The lexer's share of a keystroke: restyling from the changed line to the end of the screen.
void BM_RestyleAfterKeystroke(benchmark::State &state) {
    Editor &e = sharedEditor();
    const int line = LineCount / 2;
    bool type = true;
    for (auto _ : state) {
        state.PauseTiming();
        typeOrTakeBack(e, line, type);
        type = !type;
        state.ResumeTiming();
        e.colourise(e.lineStart(line), e.lineStart(line + VisibleLines));
    }
}
BENCHMARK(BM_RestyleAfterKeystroke)->Unit(benchmark::kMicrosecond);

// The editor's own share, for comparison: the text change alone, without restyling.
void BM_EditWithoutRestyle(benchmark::State &state) {
    Editor &e = sharedEditor();
    const int line = LineCount / 2;
    bool type = true;
    for (auto _ : state) {
        typeOrTakeBack(e, line, type);
        type = !type;
    }
    e.colourise(0, -1);
}
BENCHMARK(BM_EditWithoutRestyle)->Unit(benchmark::kMicrosecond);

void BM_RestyleAllAfterAScan(benchmark::State &state) {
    Editor &e = sharedEditor();
    for (auto _ : state) {
        e.language->clearWords(QStringLiteral("variables"));
        e.language->addWord(QStringLiteral("variables"), QStringLiteral("total%"));
        e.colourise(0, -1);
    }
}
BENCHMARK(BM_RestyleAllAfterAScan)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runWidgetBenchmarks(argc, argv, {}, [] { editorHolder.reset(); });
}
