#include "app/help_commands.h"
#include "common/golden_file.h"
#include "dialogs/frm_desc.h"
#include "document/document_window_fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>

namespace {

class HelpCommandsTest : public DocumentWindowFixture {
protected:
    // Help > OPL Help with `rtf` as the reference (none when empty); the viewer, text in place.
    frmDesc *openViewer(const QByteArray &rtf) {
        if (!rtf.isEmpty())
            ::writeFile(frmDesc::referencePath(programDir.path()), rtf);
        main().mnuHelpContents->trigger();
        frmDesc *viewer = main().helpCommands().viewer();
        EXPECT_TRUE(!viewer || !viewer->isLoading() ||
                    QSignalSpy(viewer, &frmDesc::loaded).wait(20000));
        return viewer;
    }
    // The tool bar and the "Statusbar" item shown, the Help entry enabled, then the titles of
    // the menus shown in the menu bar and how many it holds.
    QString state() {
        QStringList titles;
        for (const QAction *menu : main().menuBar()->actions())
            if (menu->isVisible())
                titles << QString(menu->text()).remove(QLatin1Char('&'));
        return QString("%1%2%3 %4 (%5)")
            .arg(main().tbToolBar->isVisibleTo(&main()))
            .arg(main().mnuViewStatusBar->isVisible())
            .arg(main().mnuHelpContents->isEnabled())
            .arg(titles.join(' '))
            .arg(main().menuBar()->actions().size());
    }
};

} // namespace

// Each step's state, with Palette on then off (tests/data/dialogs/help_viewer.txt).
TEST_F(HelpCommandsTest, OneViewerAtATimeWhoseUseHidesTheBarsUntilItClosesAsPaletteSays) {
    frmMain &w = start();
    EXPECT_EQ(openViewer({}), nullptr);
    EXPECT_EQ(prompts.messageTexts(), QStringList{"OPLCommands.rtf not found!"});
    QString seen = "none: " + state() + '\n';
    for (const bool palette : {true, false}) {
        if (!palette)
            w.mnuViewToolbar->trigger();
        frmDesc *viewer = openViewer(palette ? "{\\rtf1 First}" : "{\\rtf1 Second}");
        ASSERT_NE(viewer, nullptr);
        w.helpCommands().mnuHelpContents_Click(); // one viewer at a time
        seen += viewer->txtDesc->toPlainText() +
                QString(" in %1 windows: ").arg(w.mdiArea->subWindowList().size()) + state() + '\n';
        // The viewer's own menu stands in the menu bar only while it is active.
        QTest::mousePress(viewer->txtDesc->viewport(), Qt::LeftButton);
        seen += QString("viewer active, its menu %1: ")
                    .arg(viewer->mnuEdit->menuAction()->isVisible()) +
                state() + '\n';
        QTest::mousePress(w.documents().constFirst()->rtfText->viewport(), Qt::LeftButton);
        seen += "document active: " + state() + '\n';
        QTest::mousePress(viewer->txtDesc->viewport(), Qt::LeftButton);
        if (!palette) // closed while active, with no document left to take over
            closeAndDelete(w.documents().constFirst()->parentWidget());
        closeAndDelete(viewer->parentWidget());
        seen += "closed: " + state() + '\n';
    }
    expectGolden(seen, "dialogs/help_viewer.txt");
}

// F1 in a document: the reference at the section of the command under the caret, at the top
// for any other word; once open, F1 moves it. It opens wholly inside the visible area.
TEST_F(HelpCommandsTest, F1OpensTheReferenceAtTheCommandUnderTheCaretInsideTheArea) {
    frmMain &w = start();
    w.resize(700, 500);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    w.mnuViewToolbar->trigger(); // tool bar hidden: the area reaches higher
    frmDocument &doc = *w.documents().constFirst();
    doc.parentWidget()->setGeometry(0, 0, 380, 300); // the area's free part is on the right
    doc.rtfText->SetText("PROC main:\r\n  PRINT ABS(x)\r\nENDP");
    ::writeFile(
        frmDesc::referencePath(programDir.path()),
        "{\\rtf1 {\\b Title}\\par {\\b ABS}\\par {\\f1 PRINT ABS(-2.5)}\\par {\\b PRINT}\\par}");
    // The caret's line and column, then where the viewer's cursor is; "" for the top.
    for (const auto &[line, column, block] :
         {std::tuple(1, 4, "PRINT"), {1, 10, "ABS"}, {0, 7, ""}, {1, 9, "ABS"}}) {
        w.mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(doc.parentWidget()));
        doc.rtfText->SetSel({line, column, line, column}, true);
        QTest::keyClick(doc.rtfText, Qt::Key_F1);
        frmDesc *viewer = w.helpCommands().viewer();
        ASSERT_NE(viewer, nullptr);
        ASSERT_TRUE(!viewer->isLoading() || QSignalSpy(viewer, &frmDesc::loaded).wait(20000));
        const QTextCursor at = viewer->txtDesc->textCursor();
        EXPECT_EQ(*block ? at.block().text() : QString::number(at.position()),
                  *block ? block : "0");
        EXPECT_TRUE(w.mdiArea->viewport()->rect().contains(viewer->parentWidget()->geometry()));
    }
}
