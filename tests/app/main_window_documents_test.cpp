#include "document/document_window_fixture.h"

#include "app/file_filter.h"
#include "app/settings_file.h"
#include "app/window_arrangement.h"

#include <QMdiArea>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QStringList captions(const frmMain &window) {
    QStringList titles;
    for (const frmDocument *document : window.documents())
        titles << document->windowTitle();
    return titles;
}

} // namespace

using MainWindowDocuments = DocumentWindowFixture;

TEST(WindowArrangement, PiecesFillTheAreaAndIconsRowUpFromTheBottom) {
    const QRect area(0, 0, 301, 200);
    EXPECT_EQ(WindowArrangement::sideBySide(area, 2),
              (QList<QRect>{QRect(0, 0, 150, 200), QRect(150, 0, 151, 200)}));
    EXPECT_EQ(WindowArrangement::stacked(area, 3),
              (QList<QRect>{QRect(0, 0, 301, 66), QRect(0, 66, 301, 67), QRect(0, 133, 301, 67)}));
    EXPECT_TRUE(WindowArrangement::stacked(area, 0).isEmpty());
    EXPECT_EQ(
        WindowArrangement::bottomRow(area, {QSize(120, 30), QSize(120, 30), QSize(120, 30)}),
        (QList<QRect>{QRect(0, 170, 120, 30), QRect(120, 170, 120, 30), QRect(0, 140, 120, 30)}));
}

TEST(FileFilter, ClassicPairsBecomeDialogFiltersFollowedByAllFiles) {
    AppSettings settings;
    settings.FilterNames = {"", "Files", "All Files"};
    EXPECT_EQ(FileFilter::textFiles(settings), "Text Files (*.txt)|*.txt|");
    EXPECT_EQ(FileFilter::dialogFilters(FileFilter::textFiles(settings), settings),
              (QStringList{"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(FileFilter::dialogFilters("Programs|*.exe;*.EXE|", settings),
              (QStringList{"Programs (*.exe *.EXE)", "All Files (*)"}));
    EXPECT_EQ(FileFilter::dialogFilters("", settings), QStringList{"All Files (*)"});
}

TEST_F(MainWindowDocuments, NumbersAreNeverUsedTwice) {
    frmMain &w = start();
    EXPECT_EQ(captions(w), QStringList{"Document 1"});
    w.mnuWindowNewWindow->trigger();
    EXPECT_EQ(captions(w), (QStringList{"Document 1", "Document 2"}));
    for (frmDocument *document : w.documents())
        closeAndDelete(document->parentWidget());
    EXPECT_TRUE(w.documents().isEmpty());
    w.mnuFileNew->trigger();
    EXPECT_EQ(captions(w), QStringList{"Document 3"});
    EXPECT_EQ(w.activeDocument(), w.documents().constFirst());
    EXPECT_EQ(w.DocumentCount(), 3);
}

TEST_F(MainWindowDocuments, StartUpReopensTheMostRecentFileWhenItStillExists) {
    const QString path = writeFile("recent.opl", "GLOBAL n%\r\nPROC main:\r\nENDP\r\n");
    module.applyStartDefaults();
    module.settings().RecentFiles = {"", path, "/gone/b.opl", ""};
    ASSERT_TRUE(writeSettingsFile(module.settingsPath(), module.settings()));
    module.start();
    frmDocument &doc = active();
    EXPECT_EQ(doc.windowTitle(), path);
    EXPECT_EQ(doc.rtfText->GetLine(0), "GLOBAL n%");
    EXPECT_EQ(doc.Tree->topLevelItem(0)->text(0), "Project -> " + path);
    EXPECT_EQ(module.settings().RecentFiles[1], path);
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(MainWindowDocuments, AVanishedRecentFileLeavesDocumentOneEmptyAndSilent) {
    module.applyStartDefaults();
    module.settings().RecentFiles[1] = filesDir.filePath("vanished.opl");
    ASSERT_TRUE(writeSettingsFile(module.settingsPath(), module.settings()));
    module.start();
    EXPECT_EQ(captions(main()), QStringList{"Document 1"});
    EXPECT_EQ(active().rtfText->Text(), "");
    EXPECT_TRUE(prompts.calls.empty());
}

TEST_F(MainWindowDocuments, OpenLoadsTheChosenFileOrClosesItsNewWindowAgain) {
    frmMain &w = start();
    const QString path = writeFile("a.opl", "PROC main:\r\n  LOCAL i%\r\nENDP");
    prompts.fileAnswers = {path};
    w.tbToolBar_ButtonClick(QString::fromUtf8("Öffnen"));
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].kind, ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(prompts.calls[0].file.title, "Open");
    EXPECT_EQ(prompts.calls[0].file.filters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(captions(w), (QStringList{"Document 1", path}));
    EXPECT_EQ(w.activeDocument()->lstProc, QStringList{"main:"});
    EXPECT_EQ(module.settings().RecentFiles[1], path);
    EXPECT_EQ(w.recentFileEntryPath(1), path);
    EXPECT_TRUE(w.mnuFileMRU[1]->isVisible());
    EXPECT_TRUE(w.mnuFileBar5->isVisible());

    // Cancelled, or a name that does not exist: the window made for it goes again.
    for (const QString &answer : {QString(), filesDir.filePath("missing.opl")}) {
        prompts.fileAnswers = {answer};
        w.mnuFileOpen->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(captions(w), (QStringList{"Document 1", path}));
    }
    w.NewDocument();
    EXPECT_EQ(w.activeDocument()->windowTitle(), "Document 5");
}

TEST_F(MainWindowDocuments, QuitStopsAtADocumentsCancelAndOtherwiseSavesTheSettings) {
    frmMain &w = start();
    active().rtfText->SetText("PRINT 1");
    prompts.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(captions(w), QStringList{"Document 1"});
    EXPECT_FALSE(QFile::exists(module.settingsPath()));

    prompts.messageAnswers = {MessageAnswer::No};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFile::exists(module.settingsPath()));
}

TEST_F(MainWindowDocuments, WithoutADocumentOnlyNewAndOpenActOnTheToolBar) {
    frmMain &w = start();
    closeAndDelete(active().parentWidget());
    for (QAction *button : w.tbToolBar->actions()) {
        const QString key = button->objectName();
        if (button->isSeparator() || key == "Neu" || key == QString::fromUtf8("Öffnen"))
            continue;
        button->trigger();
        EXPECT_TRUE(prompts.calls.empty()) << key.toStdString();
        EXPECT_TRUE(w.documents().isEmpty()) << key.toStdString();
    }
    for (QAction *item : {w.mnuFileRefresh, w.itmFindUndefined, w.mnuWindowTileVertical})
        item->trigger();
    EXPECT_TRUE(prompts.calls.empty());
    w.toolbarButton("Neu")->trigger();
    EXPECT_EQ(captions(w), QStringList{"Document 2"});
}

TEST_F(MainWindowDocuments, LineNaviAndFontActOnTheActiveDocumentAlone) {
    frmMain &w = start();
    frmDocument &first = active();
    w.NewDocument();
    frmDocument &second = active();
    for (const bool on : {false, true}) {
        w.toolbarButton("Line")->trigger();
        EXPECT_EQ(second.rtfText->LineNumbering(), on);
        EXPECT_TRUE(first.rtfText->LineNumbering());
    }
    EXPECT_TRUE(module.settings().LineNumbers);
    w.toolbarButton("Navi")->trigger();
    EXPECT_FALSE(second.NavigatorVisible());
    EXPECT_TRUE(first.NavigatorVisible());

    const QFont before = first.rtfText->font();
    w.toolbarButton("Font")->trigger(); // cancelled
    EXPECT_EQ(module.settings().EditorFont.Name, "Arial");
    prompts.fontAnswers = {FontChoice{"DejaVu Serif", 14, false, true}};
    w.toolbarButton("Font")->trigger();
    const int size = int(QsciScintillaBase::SCI_STYLEGETSIZE);
    EXPECT_EQ(second.rtfText->SendScintilla(size, 0), 14);
    EXPECT_EQ(first.rtfText->SendScintilla(size, 0), 8);
    w.NewDocument();
    EXPECT_EQ(active().rtfText->SendScintilla(size, 0), 14);
    EXPECT_TRUE(active().rtfText->SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, 0));
}

TEST_F(MainWindowDocuments, RefreshRescansAndTheWindowMenuArrangesTheDocuments) {
    frmMain &w = start();
    w.resize(900, 700);
    frmDocument &first = active();
    first.rtfText->SetText("GLOBAL n%\r\nPROC main:");
    w.mnuFileRefresh->trigger();
    EXPECT_EQ(first.lstProc, (QStringList{"n%", "main:"}));

    w.NewDocument();
    const QRect area = w.mdiArea->viewport()->rect();
    w.mnuWindowTileVertical->trigger();
    const QList<QRect> deck = {first.parentWidget()->geometry(),
                               active().parentWidget()->geometry()};
    EXPECT_EQ(deck, WindowArrangement::sideBySide(area, 2));
    w.mnuWindowTileHorizontal->trigger();
    EXPECT_EQ(first.parentWidget()->geometry(), WindowArrangement::stacked(area, 2)[0]);

    first.parentWidget()->showMinimized();
    w.mnuWindowArrangeIcons->trigger();
    EXPECT_EQ(first.parentWidget()->geometry().bottomLeft(), area.bottomLeft());
}
