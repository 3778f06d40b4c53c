#include "common/case_file.h"
#include "common/scripted_prompts.h"
#include "common/test_paths.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

class RtfTextFile : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    rtfText editor{prompts};
};

struct RoundTrip {
    const char *name;
    QByteArray bytes;
    int format;
};

TEST_F(RtfTextFile, CrLfFilesComeBackByteForByteInTheirOwnFormat) {
    const QByteArray utf8Text = QStringLiteral("PRINT \"äöü€✓\"\r\nGLOBAL n%\r\n").toUtf8();
    QByteArray utf16 = "\xFF\xFE";
    for (QChar c : QStringLiteral("REM äöü€✓ \U0001F600\r\nPRINT 1\r\n"))
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    const RoundTrip cases[] = {
        {"utf8.opl", "\xEF\xBB\xBF" + utf8Text, 32},
        {"utf16.opl", utf16, 64},
        {"cp1252.opl", "REM \xE4\x80\xFF\r\n", 16}, // every byte: TextCodecDecode
        {"empty.opl", QByteArray(), 16},
        {"nul.opl", QByteArray("A\0B\r\nC\0", 7), 16},
    };
    for (const RoundTrip &c : cases) {
        writeFile(path(c.name), c.bytes);
        ASSERT_TRUE(editor.OpenFile(path(c.name))) << c.name;
        EXPECT_FALSE(editor.Modified()) << c.name;
        ASSERT_TRUE(editor.SaveFile(path("out.opl"), c.format)) << c.name;
        EXPECT_EQ(readAll(path("out.opl")), c.bytes) << c.name;
    }
    // NUL bytes stay in the text, its lines and its selections.
    editor.SetSel({0, 0, 1, 1}, false);
    EXPECT_EQ(editor.GetLine(0) + '|' + editor.SelText(),
              QString::fromUtf16(u"A\0B|A\0B\r\nC", 10));
}

// Failed saves into places that cannot hold the file are checked through File > Save.
TEST_F(RtfTextFile, FailuresReportTheReasonAndLoseNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    editor.SetText(QStringLiteral("unsaved work"));
    EXPECT_FALSE(editor.SaveFile(path("x.opl"), 8));
    EXPECT_EQ(editor.lastError(), QStringLiteral("8 is not a save format (16, 32 or 64)."));

    QFile huge(path("huge.opl"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(rtfText::MaxFileBytes + 1));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    writeFile(path("long.opl"), "REM\n" + QByteArray(rtfText::MaxLineLength + 1, 'x'));
    for (const CaseLine &c : readCases("document/open_failures.txt", 2)) {
        EXPECT_FALSE(editor.OpenFile(path(c.fields[0].constData()))) << c.line;
        EXPECT_EQ(editor.lastError(), c.text(1).replace("%1", path(c.fields[0].constData())))
            << c.line;
    }
    EXPECT_EQ(editor.Text(), QStringLiteral("unsaved work"));
    EXPECT_TRUE(editor.Modified());
}

} // namespace
