#include "main_window_fixture.h"

#include "analysis/document_language.h"
#include "base/settings_file.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString makeTranslator(const QTemporaryDir &dir) {
    writeFile(dir.filePath("OPLTRAN.EXE"), {});
    return dir.filePath("OPLTRAN.EXE");
}

QPointF dpi() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

PixelPlacement shownPixels(const frmMain &w) {
    return {w.pos().x(), w.pos().y(), w.width(), w.height()};
}

QStringList storedPlacement() {
    QSettings s(QStringLiteral("Tamro"), QStringLiteral("Tamro"));
    QStringList values;
    for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        values << s.value(QStringLiteral("Settings/") + key).toString();
    return values;
}

} // namespace

using MainWindowLoad = MainWindowFixture;

TEST_F(MainWindowLoad, FirstRunUsesDefaultsPlacementAndDisablesTheTranslatorItems) {
    EXPECT_TRUE(store().fileName().startsWith(storeDir.path())); // never the real store
    frmMain &w = start();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(QRect(w.pos(), w.size()), firstWindowRect(available));
    const AppSettings &s = module.settings();
    EXPECT_EQ(s.Paths[4], QDir::rootPath());
    EXPECT_FALSE(w.mnuFileTranslate->isEnabled());
    EXPECT_FALSE(w.mnuFileTransConv->isEnabled());
    EXPECT_TRUE(prompts.calls.empty()); // no message at start-up
    ASSERT_TRUE(w.close());
    EXPECT_EQ(storedPlacement()[2], formatSingle(pixelsToTwips(w.width(), dpi().x())));
}

TEST_F(MainWindowLoad, SettingsFileShowsRecentFilesAndKeepsTranslatorItemsWhenItExists) {
    const QString translator = makeTranslator(programDir);
    for (const QString &path : {translator, programDir.filePath("missing.exe")}) {
        SCOPED_TRACE(path.toStdString());
        AppSettings file;
        file.RecentFiles = {"", "/src/one.opl", "/src/a&b, c.opl", ""};
        file.Paths = {"", path, "/inc", "/out", "/conv"};
        ASSERT_TRUE(writeSettingsFile(module.settingsPath(), file));

        mdlMAIN run(programDir.path(), prompts);
        run.start();
        frmMain &w = *run.MainWindow();
        EXPECT_EQ(run.settings().Paths[4], "/conv");
        for (int i = 1; i <= 2; ++i) {
            EXPECT_TRUE(w.mnuFileMRU[i]->isVisible());
            EXPECT_EQ(w.recentFileEntryPath(i), file.RecentFiles[i]);
        }
        EXPECT_EQ(w.mnuFileMRU[2]->text(), "/src/a&&b, c.opl"); // shows one "&"
        EXPECT_FALSE(w.mnuFileMRU[3]->isVisible());
        EXPECT_TRUE(w.mnuFileBar5->isVisible());
        EXPECT_EQ(w.mnuFileTranslate->isEnabled(), path == translator);
        EXPECT_EQ(w.mnuFileTransConv->isEnabled(), path == translator);
    }
}

TEST_F(MainWindowLoad, ValuesAShortSettingsFileLacksTakeTheDefaultsColoursFromTheLanguage) {
    DocumentLanguage language;
    ASSERT_TRUE(language.load(programDir.filePath("opl.xml")));
    AppSettings file;
    file.RecentFiles[1] = "/src/first.opl";
    file.Paths = {"", makeTranslator(programDir), "/inc", "/out", "/conv"};
    file.WaitSeconds = 2.5f;
    file.EditorFont = {"Courier", 9.5};
    file.Colours = {1, 0, 0x123456, 3, 4, 5, 6, 7, 8, 9, 10}; // black is a colour as stored
    const QList<QByteArray> lines = formatSettingsFile(file).split('\n');
    const EditorFontSetting fixedFont{QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                                      10};
    for (const int kept : {0, 8, 14}) { // no file; up to the wait; up to colour 2
        SCOPED_TRACE(kept);
        QFile::remove(module.settingsPath());
        QFile cut(module.settingsPath());
        ASSERT_TRUE(kept == 0 || cut.open(QIODevice::WriteOnly));
        for (int i = 0; i < kept; ++i)
            cut.write(lines[i] + '\n');
        cut.close();

        mdlMAIN run(programDir.path(), prompts);
        run.applyStartDefaults();
        run.start();
        const AppSettings &s = run.settings();
        EXPECT_EQ(s.WaitSeconds, kept ? 2.5f : 6.0f);
        EXPECT_EQ(s.EditorFont, kept > 8 ? file.EditorFont : fixedFont);
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(s.Colours[i],
                      i <= kept - 12
                          ? file.Colours[i]
                          : language.colour(LanguageCategory::ByColourIndex[i - 1]).value())
                << i;
        EXPECT_EQ(run.MainWindow()->mnuFileMRU[1]->isVisible(), kept > 0);
        EXPECT_FALSE(run.MainWindow()->mnuFileTranslate->isEnabled());
        ASSERT_TRUE(run.MainWindow()->close());
        AppSettings written;
        ASSERT_TRUE(readSettingsFile(module.settingsPath(), written));
        EXPECT_EQ(written.Colours, s.Colours);
    }
}

TEST_F(MainWindowLoad, StartsWhereItWasAndQuitWhileMinimisedKeepsThePlacement) {
    store().setValue("Settings/MainLeft", "1500");
    frmMain &w = start();
    EXPECT_EQ(shownPixels(w), toPixels({1500, 1000, 6500, 6500}, dpi().x(), dpi().y()));
    w.showMinimized();
    ASSERT_TRUE(w.close());
    EXPECT_EQ(storedPlacement(), (QStringList{"1500", "", "", ""}));
    EXPECT_TRUE(QFile::exists(module.settingsPath())); // the settings file is still written
}
