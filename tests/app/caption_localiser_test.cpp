#include "app/caption_localiser.h"
#include "common/qstring_printer.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>

// The main window's design carries entry numbers in its title, menus and tool tips.
TEST(LocaliseCaptions, ReplacesEntryNumbersInTheMainWindow) {
    QMainWindow window;
    window.setProperty("Tag", "1055");
    QMenu *file = window.menuBar()->addMenu("1000");
    QAction *open = file->addAction("1002");
    QAction *unknown = file->addAction("9999");
    QAction *notWhole = file->addAction("1067abc");
    QAction *negative = file->addAction("-1072");
    QMenu *translator = file->addMenu("1011");
    auto detached = std::make_unique<QMenu>(); // no parent: reached through its entry only
    QAction *deep = detached->addAction("1003");
    translator->addMenu(detached.get());
    QAction *neu = window.addToolBar("tb")->addAction("Neu");
    neu->setToolTip("1035");

    LocaliseCaptions(&window);

    // Each menu entry gets an Alt key of its own; what is no entry number stays.
    EXPECT_EQ((QStringList{window.windowTitle(), file->title(), open->text(), unknown->text(),
                           notWhole->text(), negative->text(), translator->title(), deep->text(),
                           neu->toolTip()}),
              (QStringList{"Tamro", "&File", "&Open", "9999", "1067abc", "-1072", "O&PLTRAN",
                           "&Close", "New"}));

    LocaliseCaptions(nullptr);
}
