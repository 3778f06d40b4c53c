// Starts Tamro as its main() does, with the program folder given as the argument, and once
// the main window has been painted with "Document 1" active prints "shown" and ends at once.
// bench_startup runs it and takes the time from the process start to that line.
#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "app/qt_prompts.h"
#include "document/frm_document.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QtPrompts prompts;
    mdlMAIN module(QString::fromLocal8Bit(argv[1]), prompts);
    module.applyStartDefaults();
    module.start();
    QTimer::singleShot(0, [&module] {
        frmMain *window = module.MainWindow();
        const frmDocument *document = window->activeDocument();
        window->grab(); // the first paint
        const bool ok = document && document->windowTitle() == QStringLiteral("Document 1");
        std::puts(ok ? "shown" : "no document");
        std::fflush(stdout);
        std::_Exit(ok ? 0 : 1);
    });
    return QApplication::exec();
}
