#include "app/caption_localiser.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename W, typename... Args> W *add(QWidget *parent, const char *tag, Args... args) {
    auto *widget = new W(args...);
    parent->layout()->addWidget(widget);
    widget->setProperty("Tag", tag);
    return widget;
}

} // namespace

// One control of every kind, carrying entry numbers the way the main window's design does.
TEST(LocaliseCaptions, ReplacesEntryNumbersInEveryKindOfControl) {
    QMainWindow window;
    window.setProperty("Tag", "1055");
    QMenu *file = window.menuBar()->addMenu("1000");
    QAction *open = file->addAction("1002");
    QAction *unknown = file->addAction("9999");
    QMenu *translator = file->addMenu("1011");
    auto detached = std::make_unique<QMenu>(); // no parent: reached through its entry only
    QAction *deep = detached->addAction("1003");
    translator->addMenu(detached.get());
    auto *node = new QMenu("Node", &window); // a pop-up outside the menu bar
    QAction *goTo = node->addAction("1006");

    QToolBar *toolBar = window.addToolBar("tb");
    QAction *neu = toolBar->addAction("Neu");
    neu->setToolTip("1035");

    auto *central = new QWidget;
    new QVBoxLayout(central);
    window.setCentralWidget(central);
    auto *label = add<QLabel>(central, "1067", "design");
    auto *notWhole = add<QLabel>(central, "1067abc", "keep");
    auto *tabs = add<QTabWidget>(central, "");
    for (const char *text : {"t1", "t2"})
        tabs->addTab(new QWidget, text);
    tabs->setProperty("TabTags", QStringList{"1081", "x"});
    tabs->setTabToolTip(0, "1082");
    auto *tree = add<QTreeWidget>(central, "");
    tree->setHeaderLabels({"1065"});
    auto *table = add<QTableWidget>(central, "", 0, 2);
    table->setHorizontalHeaderItem(1, new QTableWidgetItem("1076"));
    auto *button = add<QPushButton>(central, " 1062 and more", "button");
    button->setToolTip("1004 - ASCII");
    auto *negative = add<QPushButton>(central, "-1072", "keep"); // no leading number
    negative->setToolTip("99999999999999999999");
    auto *group = add<QGroupBox>(central, "1074", "group");

    LocaliseCaptions(&window);

    const std::pair<QString, const char *> checks[] = {
        {window.windowTitle(), "Tamro"},
        {file->title(), "&File"}, // each menu entry gets an Alt key of its own
        {open->text(), "&Open"},
        {unknown->text(), "9999"},
        {translator->title(), "O&PLTRAN"},
        {deep->text(), "&Close"},
        {goTo->text(), "&Go To"},
        {neu->toolTip(), "New"},
        {label->text(), "File not found!"},
        {notWhole->text(), "keep"},
        {tabs->tabText(0), "Global Variables"},
        {tabs->tabToolTip(0), "Constants"},
        {tabs->tabText(1), "t2"},
        {tree->headerItem()->text(0), "Name"},
        {table->horizontalHeaderItem(1)->text(), "Name"},
        {button->text(), "Cancel"},
        {button->toolTip(), "Save"},
        {negative->text(), "keep"},
        {negative->toolTip(), "99999999999999999999"},
        {group->title(), "Font:"},
    };
    for (std::size_t i = 0; i < std::size(checks); ++i)
        EXPECT_EQ(checks[i].first, checks[i].second) << "check " << i;
    EXPECT_EQ(table->horizontalHeaderItem(0), nullptr);

    LocaliseCaptions(nullptr);
}
