#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "common/test_paths.h"
#include "translator/translator_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = TranslationOutcome::Kind;
const QString kSource = "/src/Game.tpl";

} // namespace

TEST(TranslationLog, ErrorsGiveTheirLineAndTextAndAnyOtherLogIsShownAsItStands) {
    const QStringList kinds{"Unrecognised", "ErrorLine", "OtherFile", "Success"};
    for (const CaseLine &c : readCases("translator/logs.txt", 4)) {
        const TranslationOutcome o = evaluateTranslationLog(c.text(0), kSource);
        EXPECT_EQ(kinds.value(int(o.kind)), c.text(1)) << "line " << c.line;
        if (o.kind == Kind::ErrorLine) {
            EXPECT_EQ(o.line, c.text(2).toInt()) << "line " << c.line;
        }
        EXPECT_EQ(o.message, c.text(3)) << "line " << c.line;
    }
}

TEST(TranslationLog, SuccessNamesTheOpoFileAsFoundWhenItExists) {
    QTemporaryDir dir;
    const QString out = dir.filePath("Game"), log = "[OutputPath=" + out + "\r\n";
    writeFile(out + ".opo", "");
    const TranslationOutcome o = evaluateTranslationLog(log, kSource);
    EXPECT_TRUE(o.opoExists);
    EXPECT_EQ(o.message,
              "Translation successfull\r\n" + log + "\r\n\r\nOutput Path \t" + out + ".opo\r\n");
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
