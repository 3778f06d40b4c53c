#include "common/test_paths.h"
#include "translator/translator_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = TranslationOutcome::Kind;
const QString kSource = "/src/Game.tpl";

TranslationOutcome evaluate(const QByteArray &log) {
    return evaluateTranslationLog(QString::fromUtf8(log), kSource);
}

} // namespace

TEST(TranslationLog, TheFirstErrorForTheSourceGivesItsLineAndText) {
    const struct {
        const char *log;
        int line;
        QString message;
    } cases[] = {
        {"OPLTRAN\r\nError LOC::/src/Game.tpl12:Syntax error:\r\n", 12, "Syntax error"},
        {"error loc::/SRC/GAME.TPL12:Syntax error:more", 12, "Syntax error"},
        {"Error LOC::/src/Game.tpl 7 :Bad name:", 7, "Bad name"},
        {"Error LOC::/src/Game.tpl3:First:\r\nError LOC::/src/Game.tpl9:Second:", 3, "First"},
        {"Error LOC::/src/Other.tpl1:x:\r\nError LOC::/src/Game.tpl4:y:", 4, "y"},
        {"Error LOC::/src/Game.tpl12", 12, ""}, // cut off after the number
        {"Error LOC::/src/Game.tpl5:up to the end\r\n", 5, "up to the end\r\n"},
    };
    for (const auto &c : cases) {
        const TranslationOutcome o = evaluate(c.log);
        EXPECT_EQ(o.kind, Kind::ErrorLine) << c.log;
        EXPECT_EQ(o.line, c.line) << c.log;
        EXPECT_EQ(o.message, c.message + "\r\n\r\n Line " + QString::number(c.line)) << c.log;
    }
}

// An error in another file names that file and its line; any other log is shown as it stands.
TEST(TranslationLog, OtherLogsNameTheFileInErrorOrShowThemselves) {
    for (const char *log :
         {"", "OPLTRAN 1.0\r\nworking...\r\n",
          "Error LOC::/src/Game.tplabc:Syntax error:", "Error LOC::/src/Game.tpl:Syntax error:",
          "Error LOC::/src/Game.tpl:12:number not first:", "Error LOC::/src/Game.tpl",
          "Error LOC::/src/Game.tpl0:zero:", "Error LOC::/src/Game.tpl-4:x:",
          "Error LOC::/src/Game.tpl99999999999:too big:", "Error LOC::/src/Game.tpl12.5:x:",
          "Error LOC::/inc/K.oph:no line:", "[OutputPath=", "[OutputPath=x", "[OutputPath=ab",
          "[OutputPath=\r\n"}) {
        EXPECT_EQ(evaluate(log).kind, Kind::Unrecognised) << log;
        EXPECT_EQ(evaluate(log).message, log);
    }
    const std::pair<const char *, const char *> elsewhere[] = {
        {"OPLTRAN\r\nError LOC::/path/Const.oph 2: Bad name:\r\n",
         " Bad name\r\n\r\n/path/Const.oph Line 2"},
        {"error loc::/src/Other v2.tpl12:not ours:", "not ours\r\n\r\n/src/Other v2.tpl Line 12"},
        {"Error LOC::C:\\Inc\\K2.oph 7:x", "x\r\n\r\nC:\\Inc\\K2.oph Line 7"},
    };
    for (const auto &[log, message] : elsewhere) {
        EXPECT_EQ(evaluate(log).kind, Kind::OtherFile) << log;
        EXPECT_EQ(evaluate(log).message, message);
    }
}

TEST(TranslationLog, SuccessReportsTheOpoFileAndWhetherItExists) {
    QTemporaryDir dir;
    const QString out = dir.filePath("Game"), log = "Translating\r\n[OutputPath=" + out + "\r\n";
    const QString head = "Translation successfull\r\n" + log + "\r\n\r\nOutput Path \t" + out;
    TranslationOutcome o = evaluateTranslationLog(log, kSource);
    EXPECT_EQ(o.kind, Kind::Success);
    EXPECT_FALSE(o.opoExists);
    EXPECT_EQ(o.message, head + ".opo - File not found!\r\n");
    writeFile(out + ".opo", "");
    o = evaluateTranslationLog(log, kSource);
    EXPECT_TRUE(o.opoExists);
    EXPECT_EQ(o.message, head + ".opo\r\n");

    // The path ends at its line end, or loses the two characters the translator puts there.
    for (const char *tail :
         {"Game\r\n", "Game\n", "GameXY", "Game\r\nOPLTRAN\r\n[OutputPath=x\r\n"})
        EXPECT_EQ(evaluate(QByteArray("[outputpath=/out/") + tail).opoPath, "/out/Game.opo")
            << tail;
}

TEST(TranslationLog, ATwentyMegabyteLogIsReadWholeAndShownCut) {
    const QString line = "Translating procedure main, pass 2 of 3, no problems so far\r\n";
    const QString chatter = line.repeated(20 * 1024 * 1024 / line.size());
    QTemporaryDir dir;
    writeFile(dir.filePath("big.log"), (chatter + "[OutputPath=/out/Game\r\n").toUtf8());

    const LogRead read = readTranslatorLog(dir.filePath("big.log"));
    ASSERT_EQ(read.status, LogRead::Status::Read);
    EXPECT_EQ(read.text.size(), chatter.size() + 23);
    const TranslationOutcome success = evaluateTranslationLog(read.text, kSource);
    EXPECT_EQ(success.opoPath, "/out/Game.opo");
    EXPECT_EQ(success.message,
              "Translation successfull\r\n" + chatter.left(kMaxShownLogChars) +
                  "\r\n...\r\n\r\nOutput Path \t/out/Game.opo - File not found!\r\n");
    const TranslationOutcome error =
        evaluateTranslationLog("Error LOC::/src/Game.tpl2:" + chatter, kSource);
    EXPECT_EQ(error.message, chatter.left(kMaxShownLogChars) + "\r\n...\r\n\r\n Line 2");
    EXPECT_EQ(shownLogText(chatter.left(kMaxShownLogChars)), chatter.left(kMaxShownLogChars));
}

TEST(TranslationLog, ReadingDecodesAsSourcesAreAndTreatsFoldersAsMissing) {
    QTemporaryDir dir;
    writeFile(dir.filePath("ansi.log"), "Zeile \xe4\r\n");
    writeFile(dir.filePath("utf8.log"), "\xef\xbb\xbfGr\xc3\xbc\xc3\x9f");
    QDir(dir.path()).mkdir("folder.log");
    EXPECT_EQ(readTranslatorLog(dir.filePath("ansi.log")).text, u"Zeile ä\r\n");
    EXPECT_EQ(readTranslatorLog(dir.filePath("utf8.log")).text, u"Grüß");
    EXPECT_EQ(readTranslatorLog(dir.filePath("none.log")).status, LogRead::Status::Missing);
    EXPECT_EQ(readTranslatorLog(dir.filePath("folder.log")).status, LogRead::Status::Missing);
}
