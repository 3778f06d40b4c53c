#include "dialogs/frm_desc.h"
#include "dialogs/rtf_document_builder.h"
#include "dialogs/rtf_reader.h"

#include "widget_bench_main.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>

// The command reference viewer must not hold up the window for more than a second on a
// 10 MB reference. Reading and building run on a worker thread; the viewer's own thread
// only takes the finished document (BM_ShowDocument).

namespace {

// About `size` bytes of RTF in the style of OPLCommands.RTF: one section per command with
// a coloured heading, a syntax line in a fixed font and a description.
QByteArray makeReference(qsizetype size) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                     "{\\f1\\fmodern Courier New;}}{\\colortbl;\\red0\\green0\\blue128;}\n";
    for (int i = 0; rtf.size() < size; ++i) {
        const QByteArray name = "COMMAND" + QByteArray::number(i);
        rtf += "{\\b\\cf1\\fs24 " + name + "}\\par\n{\\f1 r%=" + name + "(a%,b$)}\\par\n";
        rtf += "Returns the value of {\\i a%} for the caf\\'e9 \\u8364? in b$, or 0 when "
               "{\\b b$} is empty; see also the entries before and after this one.\\par\n\\par\n";
    }
    return rtf + "}";
}

const QByteArray &reference() {
    static const QByteArray rtf = makeReference(10 * 1024 * 1024);
    return rtf;
}

void BM_ReadRtf(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfReader::read(reference()));
    state.SetBytesProcessed(state.iterations() * reference().size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_BuildTextDocument(benchmark::State &state) {
    const RtfDocument rtf = RtfReader::read(reference());
    for (auto _ : state) {
        QTextDocument document;
        buildTextDocument(rtf, document);
        benchmark::DoNotOptimize(document.blockCount());
    }
}
BENCHMARK(BM_BuildTextDocument)->Unit(benchmark::kMillisecond);

// What the viewer's thread does with a finished 10 MB document: show it and paint once.
void BM_ShowDocument(benchmark::State &state) {
    const RtfDocument rtf = RtfReader::read(reference());
    QTextBrowser browser;
    browser.resize(800, 600);
    browser.show();
    for (auto _ : state) {
        state.PauseTiming();
        auto *document = new QTextDocument(&browser);
        buildTextDocument(rtf, *document);
        state.ResumeTiming();
        browser.setDocument(document);
        browser.repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        browser.setDocument(nullptr);
        delete document;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowDocument)->Unit(benchmark::kMillisecond);

// The whole opening as the user sees it: a timer that should tick every 10 ms measures the
// longest time the window could not react ("longest_freeze_ms").
void BM_ViewerOpen(benchmark::State &state) {
    double longestFreeze = 0;
    for (auto _ : state) {
        frmDesc viewer;
        viewer.resize(800, 600);
        viewer.show();
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestFreeze = std::max(longestFreeze, double(sinceTick.restart()));
        });
        QEventLoop loop;
        QObject::connect(&viewer, &frmDesc::loaded, &loop, &QEventLoop::quit);
        sinceTick.start();
        ticker.start();
        viewer.showRtf(reference());
        loop.exec();
        viewer.txtDesc->repaint();
        QCoreApplication::processEvents();
        longestFreeze = std::max(longestFreeze, double(sinceTick.elapsed()));
    }
    state.counters["longest_freeze_ms"] = longestFreeze;
}
BENCHMARK(BM_ViewerOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    return runWidgetBenchmarks(argc, argv);
}
