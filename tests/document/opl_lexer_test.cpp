#include "analysis/document_language.h"
#include "common/qstring_printer.h"
#include "common/test_paths.h"
#include "document/opl_lexer.h"

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

namespace {

class OplLexerTest : public ::testing::Test {
protected:
    void SetUp() override {
        language = std::make_shared<DocumentLanguage>();
        ASSERT_TRUE(language->load(sourceDataDir() + "/opl.xml"));
        lexer = new OplLexer(language, &editor);
        editor.setUtf8(true);
        editor.setLexer(lexer);
    }

    long send(unsigned int message, unsigned long w = 0, long l = 0) {
        return editor.SendScintilla(message, w, l);
    }
    void restyleAll() { send(QsciScintillaBase::SCI_COLOURISE, 0, -1); }
    int style(const char *category) const { return language->category(category)->style; }
    int styleAt(long pos) { return int(send(QsciScintillaBase::SCI_GETSTYLEAT, pos)); }
    long lineStart(int line) { return send(QsciScintillaBase::SCI_POSITIONFROMLINE, line); }
    // The styles of one line's bytes, line end left out.
    std::vector<int> lineStyles(int line) {
        std::vector<int> styles;
        const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
        for (long pos = lineStart(line); pos < end; ++pos)
            styles.push_back(styleAt(pos));
        return styles;
    }
    // Marks every byte with a style no category uses, to see what a restyle touches.
    void markAll(int marker) {
        send(QsciScintillaBase::SCI_STARTSTYLING, 0);
        send(QsciScintillaBase::SCI_SETSTYLING, send(QsciScintillaBase::SCI_GETLENGTH), marker);
    }

    // One letter a byte of the line: the first of its category's name, or "-" for another style.
    QString letters(int line) {
        QString text;
        for (const int byteStyle : lineStyles(line)) {
            text += '-';
            for (const char *name :
                 {"Comments", "Text", "Operators", "Numbers", "Keywords", "Strings", "Variables"})
                if (style(name) == byteStyle)
                    text.back() = QChar::fromLatin1(name[0]);
        }
        return text;
    }
    QsciScintilla editor;
    std::shared_ptr<DocumentLanguage> language;
    OplLexer *lexer = nullptr;
};

TEST_F(OplLexerTest, StylesTheTextAtByteOffsetsAfterNonAsciiCharacters) {
    editor.setText(QStringLiteral("REM größe ✓\nä=1 :PRINT \"€\"\n"));
    restyleAll();
    // The comment to its last byte; after the two bytes of "ä" and the three of "€".
    EXPECT_EQ(letters(0) + '|' + letters(1), "CCCCCCCCCCCCCCC|TTONTOKKKKKTSSSSS");
    // Without a language the text stays plain.
    editor.setLexer(new OplLexer(nullptr, &editor));
    restyleAll();
    EXPECT_EQ(lineStyles(1), std::vector<int>(17, 0));
}

TEST_F(OplLexerTest, RestylesOnlyTheLinesOfTheRangeItIsGiven) {
    editor.setText(QStringLiteral("PRINT 1\nPRINT 2\nPRINT 3\nPRINT 4\n"));
    markAll(31);
    // A range that ends inside line 2 is finished to the line's end, and no further.
    lexer->styleText(int(lineStart(1)), int(lineStart(2) + 3));
    EXPECT_EQ(letters(0) + '|' + letters(1) + '|' + letters(2) + '|' + letters(3),
              "-------|KKKKKTN|KKKKKTN|-------");
}

TEST_F(OplLexerTest, NewWordListsAndColoursShowAfterRestylingAll) {
    editor.setText(QStringLiteral("total%=1\n"));
    restyleAll();
    EXPECT_EQ(styleAt(0), style("Text"));

    // What a scan and the colour settings do to the language, then the editor's update call.
    language->clearWords("variables");
    language->addWord("variables", "total%");
    language->setColour("Variables", 0x00123456);
    restyleAll();
    EXPECT_EQ(styleAt(0), style("Variables"));
    EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETFORE, style("Variables")), 0x123456);
}

} // namespace
