// Opening a 100,000-line OPL source into the editor control (target: under 500 ms), and a
// file of one long line, styled and shown (target: under 2 s for the longest line taken).
#include "analysis/document_language.h"
#include "common/scripted_prompts.h"
#include "document/opl_lexer.h"
#include "document/rtf_text.h"

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Procedures of ten lines each, with locals, strings, comments and a non-ASCII character.
QByteArray oplSource(int lines) {
    QByteArray text = "\xEF\xBB\xBF";
    for (int i = 0; text.count('\n') < lines; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "PROC proc" + n +
                "%:(a%, b$)\r\n"
                "  LOCAL i%, total&, name$(20)\r\n"
                "  REM sums the numbers up to a% \xC3\xA4\r\n"
                "  total& = 0\r\n"
                "  DO\r\n"
                "    i% = i% + 1 : total& = total& + i%\r\n"
                "  UNTIL i% >= a%\r\n"
                "  PRINT \"Total \", b$, total&\r\n"
                "  RETURN total&\r\n"
                "ENDP\r\n";
    }
    return text;
}

void openFile(benchmark::State &state, bool shown) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.opl"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(oplSource(int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the source file");
        return;
    }
    file.close();
    ScriptedPrompts prompts;
    for (auto _ : state) {
        rtfText editor(prompts);
        editor.resize(800, 600);
        if (shown)
            editor.show();
        if (!editor.OpenFile(path)) {
            state.SkipWithError("OpenFile failed");
            return;
        }
        if (shown)
            editor.viewport()->grab();
        benchmark::DoNotOptimize(editor.LineCount());
    }
}

void BM_OpenFile(benchmark::State &state) {
    openFile(state, false);
}
void BM_OpenFileShown(benchmark::State &state) {
    openFile(state, true);
}

// One line of `length` characters of OPL in the file at `path`.
bool writeLongLine(const QString &path, qsizetype length) {
    QByteArray line = "PRINT ";
    while (line.size() < length)
        line += "a%+\"text\" REM ";
    line.truncate(length);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(line) == line.size();
}

// The longest line the editor takes, opened into a shown editor with the OPL lexer,
// scrolled to the line's end and painted there.
void BM_OpenLongestLineShown(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.opl"));
    if (!writeLongLine(path, rtfText::MaxLineLength))
        return state.SkipWithError("cannot write the source file");
    auto language = std::make_shared<DocumentLanguage>();
    language->load(QStringLiteral(TAMRO_SOURCE_DATA_DIR "/opl.xml"));
    ScriptedPrompts prompts;
    for (auto _ : state) {
        rtfText editor(prompts);
        editor.setLanguage(new OplLexer(language, &editor));
        editor.resize(800, 600);
        editor.show();
        if (!editor.OpenFile(path))
            return state.SkipWithError("OpenFile failed");
        editor.viewport()->grab();
        editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        editor.viewport()->grab();
    }
}

// A 50 MB line is refused: the time until the message can show.
void BM_RefuseA50MegabyteLine(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.opl"));
    if (!writeLongLine(path, 50 * 1024 * 1024))
        return state.SkipWithError("cannot write the source file");
    ScriptedPrompts prompts;
    for (auto _ : state) {
        rtfText editor(prompts);
        editor.show();
        if (editor.OpenFile(path))
            return state.SkipWithError("the line was taken");
    }
}

BENCHMARK(BM_OpenFile)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFileShown)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLongestLineShown)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseA50MegabyteLine)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runWidgetBenchmarks(argc, argv);
}
