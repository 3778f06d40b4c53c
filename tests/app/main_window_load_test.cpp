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

// What the settings file holds is shown, what it lacks takes the defaults; the translator items
// need the whole file and the translator. The first run places the window by the screen.
TEST_F(MainWindowLoad, ValuesAShortSettingsFileLacksTakeTheDefaultsColoursFromTheLanguage) {
    EXPECT_TRUE(store().fileName().startsWith(storeDir.path())); // never the real store
    DocumentLanguage language;
    ASSERT_TRUE(language.load(programDir.filePath("opl.xml")));
    AppSettings file;
    file.RecentFiles = {"", "/src/one.opl", "/src/a&b, c.opl", ""};
    const QString translator = makeTranslator(programDir);
    file.Paths = {"", translator, "/inc", "/out", "/conv"};
    file.WaitSeconds = 2.5f;
    file.EditorFont = {"Courier", 9.5};
    file.Colours = {1, 0, 0x123456, 3, 4, 5, 6, 7, 8, 9, 10}; // black is a colour as stored
    const QList<QByteArray> lines = formatSettingsFile(file).split('\n');
    const EditorFontSetting fixedFont{QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                                      10};
    // No file; up to the wait; up to colour 2; whole; whole without the translator.
    for (const int row : {0, 8, 14, 22, 23}) {
        SCOPED_TRACE(row);
        const int kept = std::min(row, 22);
        if (row == 23)
            QFile::remove(translator);
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
        frmMain &w = *run.MainWindow();
        if (kept == 0) {
            EXPECT_EQ(QRect(w.pos(), w.size()),
                      firstWindowRect(QGuiApplication::primaryScreen()->availableGeometry()));
        }
        EXPECT_EQ(s.Paths[4], kept ? "/conv" : QDir::rootPath());
        EXPECT_EQ(s.WaitSeconds, kept ? 2.5f : 6.0f);
        EXPECT_EQ(s.EditorFont, kept > 8 ? file.EditorFont : fixedFont);
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(s.Colours[i],
                      i <= kept - 12
                          ? file.Colours[i]
                          : language.colour(LanguageCategory::ByColourIndex[i - 1]).value())
                << i;
        QString recent = w.mnuFileBar5->isVisible() ? "bar" : "";
        for (int i = 1; i <= 3; ++i)
            if (w.mnuFileMRU[i]->isVisible())
                recent += '|' + w.recentFileEntryPath(i) + ' ' + w.mnuFileMRU[i]->text();
        EXPECT_EQ(recent,
                  kept ? "bar|/src/one.opl /src/one.opl|/src/a&b, c.opl /src/a&&b, c.opl" : "");
        EXPECT_EQ(w.mnuFileTranslate->isEnabled(), row == 22);
        ASSERT_TRUE(w.close()); // saving enables the items when the translator exists
        EXPECT_EQ(w.mnuFileTranslate->isEnabled(), kept > 0 && row != 23);
        if (kept == 0) {
            EXPECT_EQ(storedPlacement()[2], formatSingle(pixelsToTwips(w.width(), dpi().x())));
        }
        AppSettings written;
        ASSERT_TRUE(readSettingsFile(module.settingsPath(), written));
        EXPECT_EQ(written.Colours, s.Colours);
    }
    EXPECT_TRUE(prompts.calls.empty()); // no message at start-up
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
