// One keystroke in the editor control holding a 100,000-line source: a character typed or
// taken back at the start, the middle and the end of the text, hidden (the edit alone) and
// shown (with the repaint of the screen around it). Its cost must not grow with how far into
// the text it falls. A plain QScintilla editor runs the same edits for comparison.
#include "common/scripted_prompts.h"
#include "document/rtf_text.h"
#include "opl_source_generator.h"

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

namespace {

constexpr int LineCount = 100000;

struct Editors {
    Editors() {
        const QString text = OplSourceGenerator::lines(LineCount).join(QStringLiteral("\r\n"));
        for (QsciScintilla *editor : {static_cast<QsciScintilla *>(&control), &plain}) {
            editor->setUtf8(true);
            editor->resize(800, 600);
            editor->setText(text);
        }
    }
    ScriptedPrompts prompts;
    rtfText control{prompts};
    QsciScintilla plain;
};

// Made in main() once the application exists, and gone before it.
std::unique_ptr<Editors> editors;

// Types a character near the start of a line, or takes the last one back, so the text keeps
// its size; then lets the event loop do what the edit left for it (for a shown editor, the
// repaint).
void typeOrTakeBack(benchmark::State &state, QsciScintilla &editor, bool shown) {
    const int line = int(state.range(0));
    editor.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, line);
    editor.setVisible(shown);
    QCoreApplication::processEvents();
    const long at = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line) + 2;
    bool type = true;
    for (auto _ : state) {
        if (type)
            editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, uintptr_t(at), "x");
        else
            editor.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, 1L);
        type = !type;
        QCoreApplication::processEvents();
    }
    if (!type)
        editor.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, 1L);
    editor.hide();
}

void BM_RtfTextKeystroke(benchmark::State &state) {
    typeOrTakeBack(state, editors->control, false);
}
void BM_RtfTextKeystrokeShown(benchmark::State &state) {
    typeOrTakeBack(state, editors->control, true);
}
void BM_PlainEditorKeystroke(benchmark::State &state) {
    typeOrTakeBack(state, editors->plain, false);
}

// The line of the keystroke: the first, the middle ("line 50,000 of 100,000") and the last.
void lines(benchmark::internal::Benchmark *b) {
    b->ArgName("line")->Arg(0)->Arg(LineCount / 2)->Arg(LineCount - 1);
    b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_RtfTextKeystroke)->Apply(lines);
BENCHMARK(BM_RtfTextKeystrokeShown)->Apply(lines);
BENCHMARK(BM_PlainEditorKeystroke)->Apply(lines);

} // namespace

int main(int argc, char **argv) {
    return runWidgetBenchmarks(
        argc, argv, [] { editors = std::make_unique<Editors>(); }, [] { editors.reset(); });
}
