#include "main_window_fixture.h"

#include "common/golden_file.h"

#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QAccessible>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A caption as shown, without its Alt-key marks.
QString shown(QString caption) {
    return caption.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
}

// One line per entry: name, caption, shortcut, and "hidden"; sub-menus indented below.
void describeMenu(QStringList &lines, QSet<const QAction *> &seen, const QList<QAction *> &actions,
                  const QString &indent) {
    for (const QAction *action : actions) {
        seen.insert(action);
        QStringList parts{action->objectName(),
                          action->isSeparator() ? "-" : '"' + shown(action->text()) + '"'};
        if (!action->shortcut().isEmpty())
            parts << action->shortcut().toString();
        if (!action->isVisible())
            parts << "hidden";
        lines << indent + parts.join(' ');
        if (action->menu())
            describeMenu(lines, seen, action->menu()->actions(), indent + "  ");
    }
}

// Child windows bring their own system menus.
bool insideChildWindow(const frmMain &w, const QObject *object) {
    for (; object; object = object->parent())
        if (object == w.mdiArea)
            return true;
    return false;
}

} // namespace

using MainWindow = MainWindowFixture;

// The menus, the tool bar as a screen reader announces it, and every shortcut, after load.
TEST_F(MainWindow, MenusToolBarAndShortcutsAsTheGoldenFileShowsThem) {
    frmMain &w = start();
    QStringList lines{"title " + w.windowTitle()};
    QSet<const QAction *> seen;
    describeMenu(lines, seen, w.menuBar()->actions(), {});
    lines << "pop-up " + w.mnuNode->title();
    describeMenu(lines, seen, w.mnuNode->actions(), "  ");
    const auto announced = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    lines << "tool bar";
    for (QAction *action : w.tbToolBar->actions()) {
        seen.insert(action);
        QWidget *button = w.tbToolBar->widgetForAction(action);
        lines << (action->isSeparator() ? "  -"
                                        : "  " + announced(button) + " | " + button->toolTip() +
                                              (action->icon().isNull() ? " no icon" : ""));
        EXPECT_EQ(action->toolTip(), button->toolTip());
    }
    lines << "save format menu";
    describeMenu(lines, seen, w.tbSaveFormatMenu->actions(), "  ");
    for (QAction *action : w.findChildren<QAction *>())
        if (!seen.contains(action) && !insideChildWindow(w, action) &&
            !action->shortcut().isEmpty())
            lines << "other " + action->objectName() + ' ' + action->shortcut().toString();
    const frmDocument &document = *w.activeDocument();
    lines << "document " + announced(document.rtfText) + " | " + announced(document.Tree);
    expectGolden(lines.join('\n') + '\n', "app/main_window.txt");
    EXPECT_FALSE(w.menuBar()->actions().contains(w.mnuNode->menuAction()));
}

TEST_F(MainWindow, ViewItemsToggleTheBars) {
    frmMain &w = start();

    const std::pair<QAction *, QWidget *> toggles[] = {{w.mnuViewToolbar, w.tbToolBar},
                                                       {w.mnuViewStatusBar, w.sbStatusBar}};
    for (const auto &[item, bar] : toggles)
        for (const bool shown : {false, true}) {
            item->trigger();
            EXPECT_EQ(std::pair(item->isChecked(), bar->isVisible()), std::pair(shown, shown));
        }
    EXPECT_EQ(w.createPopupMenu(), nullptr); // no second way to hide a bar
}
