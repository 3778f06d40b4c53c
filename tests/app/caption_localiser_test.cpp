#include "app/caption_localiser.h"

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

    const std::pair<QString, const char *> checks[] = {
        {window.windowTitle(), "Tamro"},
        {file->title(), "&File"}, // each menu entry gets an Alt key of its own
        {open->text(), "&Open"},
        {unknown->text(), "9999"},
        {notWhole->text(), "1067abc"},
        {negative->text(), "-1072"},
        {translator->title(), "O&PLTRAN"},
        {deep->text(), "&Close"},
        {neu->toolTip(), "New"},
    };
    for (std::size_t i = 0; i < std::size(checks); ++i)
        EXPECT_EQ(checks[i].first, checks[i].second) << "check " << i;

    LocaliseCaptions(nullptr);
}
