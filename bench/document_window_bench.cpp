// A document window on a generated 100,000-line source: opening the file (with and without
// the scan that follows), RESCAN with the navigator, lists and completion list, and one
// keystroke in the middle of the scanned text.
#include "analysis/include_file.h"
#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "common/scripted_prompts.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"
#include "opl_source_generator.h"

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {

constexpr int LineCount = 100000;
// About one screen: after a keystroke the editor styles from the changed line to the end of
// what it shows.
constexpr int VisibleLines = 60;

bool copyFile(const QString &from, const QString &to) {
    QDir().mkpath(QFileInfo(to).path());
    return QFile::copy(from, to);
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A program folder with the language and the vocabulary, an include folder with the header
// the generated source includes, the source itself, and the main window over them.
struct Session {
    Session() {
        const QString built = QStringLiteral(TAMRO_BUILD_PROGRAM_DIR);
        for (const char *name : {"opl.xml", "global.xml"})
            ready &= copyFile(built + '/' + name, folder.filePath(QString::fromLatin1(name)));
        ready &= writeFile(folder.filePath("inc/" + OplSourceGenerator::includeName()),
                           OplSourceGenerator::header().toLatin1());
        ready &=
            writeFile(sourcePath(), OplSourceGenerator::lines(LineCount).join("\r\n").toUtf8());
        module.applyStartDefaults();
        module.start();
        module.settings().Paths[2] = folder.filePath("inc");
        module.MainWindow()->resize(1000, 800);
    }
    QString sourcePath() const { return folder.filePath("generated.opl"); }
    frmDocument &document() { return *module.MainWindow()->activeDocument(); }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    mdlMAIN module{folder.path(), prompts};
    bool ready = true;
};

// Made on first use and gone before the application object, which its windows need.
std::unique_ptr<Session> shared;

Session &session() {
    if (!shared)
        shared = std::make_unique<Session>();
    return *shared;
}

void BM_OpenFileIntoDocument(benchmark::State &state) {
    Session &s = session();
    if (!s.ready)
        return state.SkipWithError("cannot prepare the files");
    for (auto _ : state) {
        if (!s.document().rtfText->OpenFile(s.sourcePath()))
            return state.SkipWithError("OpenFile failed");
    }
}
BENCHMARK(BM_OpenFileIntoDocument)->Unit(benchmark::kMillisecond);

void BM_OpenFileAndScan(benchmark::State &state) {
    Session &s = session();
    if (!s.ready)
        return state.SkipWithError("cannot prepare the files");
    for (auto _ : state) {
        if (!s.document().loadFile(s.sourcePath()))
            return state.SkipWithError("loadFile failed");
    }
    state.counters["messages"] = double(s.prompts.messages().size());
}
BENCHMARK(BM_OpenFileAndScan)->Unit(benchmark::kMillisecond);

void BM_RESCAN(benchmark::State &state) {
    Session &s = session();
    frmDocument &document = s.document();
    if (!s.ready || !document.loadFile(s.sourcePath()))
        return state.SkipWithError("cannot open the source");
    for (auto _ : state)
        document.RESCAN();
    state.counters["nodes"] = double(document.nodes().size());
}
BENCHMARK(BM_RESCAN)->Unit(benchmark::kMillisecond);

void BM_KeystrokeAfterScan(benchmark::State &state) {
    Session &s = session();
    rtfText &editor = *s.document().rtfText;
    if (!s.ready || !s.document().loadFile(s.sourcePath()))
        return state.SkipWithError("cannot open the source");
    const auto lineStart = [&editor](int line) {
        return editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    };
    const int line = LineCount / 2;
    // The change of the text and the restyling after it, apart: only the second is the
    // lexer's.
    qint64 editNs = 0, restyleNs = 0;
    QElapsedTimer clock;
    const auto restyle = [&] {
        clock.restart();
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, lineStart(line),
                             lineStart(line + VisibleLines));
        restyleNs += clock.nsecsElapsed();
    };
    for (auto _ : state) {
        // Type a character and take it back, so the text stays the same size.
        const long at = lineStart(line) + 2;
        clock.start();
        editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, uintptr_t(at), "x");
        editNs += clock.nsecsElapsed();
        restyle();
        clock.restart();
        editor.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, 1);
        editNs += clock.nsecsElapsed();
        restyle();
    }
    const double keystrokes = double(state.iterations()) * 2;
    state.counters["edit_us"] = double(editNs) / 1000.0 / keystrokes;
    state.counters["restyle_us"] = double(restyleNs) / 1000.0 / keystrokes;
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel("per item: one keystroke");
}
BENCHMARK(BM_KeystrokeAfterScan)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir store;
    return runWidgetBenchmarks(
        argc, argv,
        [&store] {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        },
        [] { shared.reset(); });
}
