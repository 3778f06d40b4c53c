#include "translator/translator_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Kind = TranslationOutcome::Kind;
const QString kSource = QStringLiteral("/src/Game.tpl");

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// About 20 MB of ordinary translator chatter.
QString bigLog() {
    QString line =
        QStringLiteral("Translating procedure main, pass 2 of 3, no problems so far\r\n");
    return line.repeated(20 * 1024 * 1024 / line.size());
}

} // namespace

TEST(TranslationLog, TheFirstErrorForTheSourceGivesItsLineAndText) {
    const struct {
        const char *log;
        int line;
        const char *message;
    } cases[] = {
        {"OPLTRAN\r\nError LOC::/src/Game.tpl12:Syntax error:\r\n", 12,
         "Syntax error\r\n\r\n Line 12"},
        {"error loc::/SRC/GAME.TPL12:Syntax error:more", 12, "Syntax error\r\n\r\n Line 12"},
        {"Error LOC::/src/Game.tpl 7 :Bad name:\r\n", 7, "Bad name\r\n\r\n Line 7"},
        {"Error LOC::/src/Game.tpl3:First:\r\nError LOC::/src/Game.tpl9:Second:", 3,
         "First\r\n\r\n Line 3"},
        {"Error LOC::/src/Other.tpl1:x:\r\nError LOC::/src/Game.tpl4:y:", 4, "y\r\n\r\n Line 4"},
        // Cut off after the number: still the line, with an empty text.
        {"Error LOC::/src/Game.tpl12", 12, "\r\n\r\n Line 12"},
        {"Error LOC::/src/Game.tpl12\r\n", 12, "\r\n\r\n Line 12"},
        {"Error LOC::/src/Game.tpl5:no further colon\r\n", 5,
         "no further colon\r\n\r\n\r\n Line 5"},
    };
    for (const auto &c : cases) {
        const TranslationOutcome o = evaluateTranslationLog(QString::fromUtf8(c.log), kSource);
        EXPECT_EQ(o.kind, Kind::ErrorLine) << c.log;
        EXPECT_EQ(o.line, c.line) << c.log;
        EXPECT_EQ(o.message, QString::fromUtf8(c.message)) << c.log;
    }
}

TEST(TranslationLog, LogsWithoutAUsableMarkerShowNothing) {
    const char *logs[] = {
        "",
        "OPLTRAN 1.0\r\nworking...\r\n",
        "Error LOC::/src/Game.tplabc:Syntax error:",
        "Error LOC::/src/Game.tpl:Syntax error:",
        "Error LOC::/src/Game.tpl:12:the number stands right after the path:",
        "Error LOC::/src/Game.tpl",
        "Error LOC::/src/Game.tpl0:zero:",
        "Error LOC::/src/Game.tpl-4:negative:",
        "Error LOC::/src/Game.tpl99999999999:too big:",
        "Error LOC::/src/Game.tpl12.5:fraction:",
        "Error LOC::/src/Other.tpl12:someone else's error:",
        "done\r\n[OutputPath=",
        "done\r\n[OutputPath=x",
        "done\r\n[OutputPath=ab",
        "done\r\n[OutputPath=\r\n",
    };
    for (const char *log : logs) {
        const TranslationOutcome o = evaluateTranslationLog(QString::fromUtf8(log), kSource);
        EXPECT_EQ(o.kind, Kind::Silent) << log;
        EXPECT_TRUE(o.message.isEmpty()) << log;
    }
}

TEST(TranslationLog, SuccessReportsTheOpoFileAndWhetherItExists) {
    QTemporaryDir dir;
    const QString out = dir.filePath("Game");
    const QString log = "Translating\r\n[OutputPath=" + out + "\r\n";

    TranslationOutcome o = evaluateTranslationLog(log, kSource);
    EXPECT_EQ(o.kind, Kind::Success);
    EXPECT_EQ(o.opoPath, out + ".opo");
    EXPECT_FALSE(o.opoExists);
    EXPECT_EQ(o.message, "Translation successfull\r\n" + log + "\r\n\r\nOutput Path \t" + out +
                             ".opo - File not found!\r\n");

    writeFile(out + ".opo", "");
    o = evaluateTranslationLog(log, kSource);
    EXPECT_TRUE(o.opoExists);
    EXPECT_EQ(o.message,
              "Translation successfull\r\n" + log + "\r\n\r\nOutput Path \t" + out + ".opo\r\n");
}

TEST(TranslationLog, OutputPathEndsAtItsLineOrLosesTwoFinalCharacters) {
    const struct {
        const char *log;
        const char *opo;
    } cases[] = {
        {"[OutputPath=/out/Game\r\n", "/out/Game.opo"},
        {"[outputpath=/out/Game\r\n", "/out/Game.opo"},
        {"[OutputPath=/out/Game\n", "/out/Game.opo"},
        {"[OutputPath=/out/GameXY", "/out/Game.opo"},
        {"[OutputPath=/out/a b\r\n", "/out/a b.opo"},
        // Two runs in one second append to one log.
        {"[OutputPath=/out/Game\r\nOPLTRAN\r\n[OutputPath=/out/Game\r\n", "/out/Game.opo"},
    };
    for (const auto &c : cases) {
        const TranslationOutcome o = evaluateTranslationLog(QString::fromUtf8(c.log), kSource);
        EXPECT_EQ(o.kind, Kind::Success) << c.log;
        EXPECT_EQ(o.opoPath, QString::fromUtf8(c.opo)) << c.log;
    }
}

TEST(TranslationLog, ATwentyMegabyteLogIsReadWholeAndShownCut) {
    QTemporaryDir dir;
    const QString chatter = bigLog();
    const QString path = dir.filePath("big.log");
    writeFile(path, (chatter + "[OutputPath=/out/Game\r\n").toUtf8());

    const LogRead read = readTranslatorLog(path);
    ASSERT_EQ(read.status, LogRead::Status::Read);
    EXPECT_EQ(read.text.size(), chatter.size() + 23);

    const TranslationOutcome success = evaluateTranslationLog(read.text, kSource);
    EXPECT_EQ(success.opoPath, "/out/Game.opo");
    EXPECT_LT(success.message.size(), kMaxShownLogChars + 200);
    EXPECT_TRUE(success.message.startsWith("Translation successfull\r\n" + chatter.left(100)));
    EXPECT_TRUE(success.message.endsWith("\r\n...\r\n\r\nOutput Path \t/out/Game.opo - File "
                                         "not found!\r\n"));

    // An error text that never ends is cut as well.
    const TranslationOutcome error =
        evaluateTranslationLog("Error LOC::/src/Game.tpl2:" + chatter, kSource);
    EXPECT_EQ(error.line, 2);
    EXPECT_LT(error.message.size(), kMaxShownLogChars + 100);
    EXPECT_LT(conversionMessage(chatter).size(), kMaxShownLogChars + 100);
}

TEST(TranslationLog, ShownLogTextKeepsShortLogsWhole) {
    const QString exact(kMaxShownLogChars, u'x');
    EXPECT_EQ(shownLogText(exact), exact);
    EXPECT_EQ(shownLogText(exact + u'y'), exact + "\r\n...");
}

TEST(TranslationLog, ConversionAndMissingLogMessages) {
    EXPECT_EQ(conversionMessage("Converted\r\n"), "Translation successfull\r\nConverted\r\n");
    EXPECT_EQ(missingLogMessage("tpl5_12_2026_36512.log"),
              "File not found!\r\n\r\ntpl5_12_2026_36512.log");
}

TEST(TranslationLog, ReadingDecodesAsSourcesAreAndTreatsFoldersAsMissing) {
    QTemporaryDir dir;
    writeFile(dir.filePath("ansi.log"), "Fehler in Zeile \xe4\r\n");
    writeFile(dir.filePath("utf8.log"), "\xef\xbb\xbfGr\xc3\xbc\xc3\x9f\r\n");
    QDir(dir.path()).mkdir("folder.log");

    EXPECT_EQ(readTranslatorLog(dir.filePath("ansi.log")).text, u"Fehler in Zeile ä\r\n");
    EXPECT_EQ(readTranslatorLog(dir.filePath("utf8.log")).text, u"Grüß\r\n");
    EXPECT_EQ(readTranslatorLog(dir.filePath("none.log")).status, LogRead::Status::Missing);
    EXPECT_EQ(readTranslatorLog(dir.filePath("folder.log")).status, LogRead::Status::Missing);
    EXPECT_EQ(readTranslatorLog(dir.filePath("ansi.log")).status, LogRead::Status::Read);
}

TEST(TranslationLog, ALogWithoutReadPermissionIsUnreadableNotMissing) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
    QTemporaryDir dir;
    writeFile(dir.filePath("locked.log"), "log");
    QFile::setPermissions(dir.filePath("locked.log"), QFileDevice::WriteOwner);
    const LogRead unreadable = readTranslatorLog(dir.filePath("locked.log"));
    EXPECT_EQ(unreadable.status, LogRead::Status::Unreadable);
    EXPECT_FALSE(unreadable.error.isEmpty());
}
