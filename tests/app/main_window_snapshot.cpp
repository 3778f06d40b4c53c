// Writes a picture of the main window as it looks at start, with a child window and
// optionally the save button's format drop-down open. For looking at the window under
// xvfb-run; not part of the test suite.

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "app/qt_prompts.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

int main(int argc, char **argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2; // usage: OUTPUT.png [--menu]
    QTemporaryDir programDir, storeDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QtPrompts prompts;
    mdlMAIN module(programDir.path(), prompts);
    module.applyStartDefaults();
    module.start();
    frmMain &window = *module.MainWindow();
    window.setGeometry(0, 0, 760, 420);
    QMdiSubWindow *child = window.mdiArea->addSubWindow(new QTextEdit);
    child->setWindowTitle(QStringLiteral("Document 1"));
    child->resize(420, 240);
    child->show();
    if (argc > 2 && QByteArray(argv[2]) == "--menu") {
        QWidget *button = window.tbToolBar->widgetForAction(window.toolbarButton("Speichern"));
        QTimer::singleShot(200, button, [&window, button] {
            window.tbSaveFormatMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
        });
    }
    int status = 1;
    QTimer::singleShot(600, &window, [&] {
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 800, 460);
        status = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QApplication::exit();
    });
    QApplication::exec();
    return status;
}
