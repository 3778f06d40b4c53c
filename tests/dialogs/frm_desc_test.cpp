#include "common/golden_file.h"
#include "common/qstring_printer.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"
#include "dialogs/frm_desc.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray fixture() {
    return readAll(testDataDir() + "/dialogs/reference.rtf");
}

bool waitLoaded(frmDesc &viewer) {
    QSignalSpy loaded(&viewer, &frmDesc::loaded);
    return !viewer.isLoading() || loaded.wait(20000);
}

class FrmDescTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    ScriptedPrompts prompts;

    std::unique_ptr<frmDesc> openReference() {
        std::unique_ptr<frmDesc> viewer(frmDesc::open(folder.path(), prompts));
        EXPECT_TRUE(!viewer || waitLoaded(*viewer));
        return viewer;
    }
};

} // namespace

// A missing or unreadable reference only tells the user, each time; a readable one is read
// afresh each time (the Help menu's test).
TEST_F(FrmDescTest, OpensOnlyAReadableReferenceWithItsContextMenu) {
    const QString missing = ScriptedPrompts::box("OPLCommands.rtf not found!", "Tamro", {});
    EXPECT_EQ(openReference(), nullptr);
    ASSERT_TRUE(QDir(folder.path()).mkdir("OPLCommands.RTF"));
    EXPECT_EQ(openReference(), nullptr);
    ASSERT_TRUE(QDir(folder.path()).rmdir("OPLCommands.RTF"));
    writeFile(frmDesc::referencePath(folder.path()), fixture());
    auto viewer = openReference();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->txtDesc->actions(), QList<QAction *>{viewer->itmCopy}); // context menu
    EXPECT_TRUE(viewer->txtDesc->toPlainText().startsWith("OPL Command Reference\n"));
    EXPECT_EQ(prompts.boxes(), QStringList(2, missing));
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    QFile::setPermissions(frmDesc::referencePath(folder.path()), QFileDevice::WriteOwner);
    EXPECT_EQ(openReference(), nullptr);
    EXPECT_EQ(prompts.boxes().value(2),
              ScriptedPrompts::box("Permission denied", "Tamro", MessageIcon::Critical));
}

// Copy puts the selection on the clipboard without formatting. Then each search step with
// whether it found something, the selection's start and text, the cursor's line, and whether
// the field shows and says nothing was found (tests/data/dialogs/search.txt).
TEST_F(FrmDescTest, CopiesPlainTextAndSearchFindsACommandsSectionThenEachMention) {
    frmDesc viewer;
    viewer.showRtf(fixture());
    ASSERT_TRUE(waitLoaded(viewer));
    QStringList copied;
    const auto copy = [&](const QTextCursor &cursor, bool byKey) {
        viewer.txtDesc->setTextCursor(cursor);
        byKey ? QTest::keyClick(viewer.txtDesc, Qt::Key_C, Qt::ControlModifier)
              : viewer.itmCopy->trigger();
        const QClipboard *clipboard = QGuiApplication::clipboard();
        copied << clipboard->text() + (clipboard->mimeData()->hasHtml() ? " (html)" : "");
    };
    QTextCursor cursor = viewer.txtDesc->document()->find("k$=GET$");
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    copy(cursor, false);
    copy(viewer.txtDesc->document()->find("semicolon"), true);
    copy(QTextCursor(viewer.txtDesc->document()), false); // nothing selected: nothing copied
    EXPECT_EQ(copied,
              QStringList({"k$=GET$\nWaits for a key press and returns the key as a one-character "
                           "string.",
                           "semicolon", "semicolon"}));
    QString seen;
    const auto note = [&](const QString &step, bool found) {
        const QTextCursor at = viewer.txtDesc->textCursor();
        seen += QString("%1: %2 %3 '%4' '%5' %6%7\n")
                    .arg(step)
                    .arg(found)
                    .arg(at.selectionStart())
                    .arg(at.selectedText(), at.block().text())
                    .arg(viewer.txtFind->isVisible())
                    .arg(viewer.txtFind->property("notFound").toBool());
    };
    for (const char *word : {" GET$ ", "semicolon", "nosuchword"})
        note(QString("find '%1'").arg(word), viewer.findCommand(word));
    for (const char *word : {"abs", "PRIN"}) // not a command: the top
        note(QString("go to '%1'").arg(word), viewer.goToCommand(word));
    // Enter goes through every mention in order and wraps around; Shift+Enter goes back.
    viewer.txtFind->setText("get");
    viewer.txtDesc->moveCursor(QTextCursor::Start);
    for (const bool back : {false, false, false, false, false, false, true, true})
        note(back ? "back" : "next", viewer.findNext(back));
    // From the keyboard: Escape puts the field away, Ctrl+F brings it back, then typing and Enter.
    viewer.txtFind->clear();
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(viewer.txtFind, Qt::Key_Escape);
    note("escape", viewer.txtDesc->hasFocus());
    QTest::keyClick(viewer.txtDesc, Qt::Key_F, Qt::ControlModifier);
    note("ctrl+f", viewer.txtFind->hasFocus());
    QTest::keyClicks(viewer.txtFind, "alert");
    note("typed", true);
    QTest::keyClick(viewer.txtFind, Qt::Key_Return);
    note("enter", true);
    expectGolden(seen, "dialogs/search.txt");
}

// Presses in the text are signalled, and closing once however often it is closed.
TEST_F(FrmDescTest, ShowsWhatADamagedReferenceHoldsSignalsAndCanCloseWhileLoading) {
    frmDesc viewer;
    QSignalSpy pressed(&viewer, &frmDesc::textPressed);
    QSignalSpy closed(&viewer, &frmDesc::closed);
    viewer.showRtf(R"({\rtf1 partial {\b te\'})");
    ASSERT_TRUE(waitLoaded(viewer));
    EXPECT_EQ(viewer.txtDesc->toPlainText(), "partial te");
    viewer.show();
    QTest::mousePress(viewer.txtDesc->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(viewer.txtFind, Qt::LeftButton);
    viewer.close();
    viewer.close();
    EXPECT_EQ((QList<int>{int(pressed.count()), int(closed.count())}), (QList<int>{1, 1}));

    QByteArray large = R"({\rtf1 )";
    for (int i = 0; i < 20000; ++i)
        large += R"({\b entry}\par some text about it\par )";
    auto loading = std::make_unique<frmDesc>();
    loading->showRtf(large);
    loading->showRtf(R"({\rtf1 last wins})");
    ASSERT_TRUE(waitLoaded(*loading));
    EXPECT_EQ(loading->txtDesc->toPlainText(), "last wins");
    loading->showRtf(large);
    EXPECT_TRUE(loading->isLoading());
    loading.reset();
}
