#include "analysis/document_language.h"
#include "analysis/opl_tokenizer.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

namespace {

class OplTokenizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(language.load(sourceDataDir() + "/opl.xml"));
        for (const char *word : {"total%", "names$"})
            language.addWord("Variables", QString::fromLatin1(word));
        language.addWord("Functions", "show:");
        language.addWord("Labels", "again::");
        language.addWord("Constants", "KMax%");
    }

    // The line as "Category[text] Category[text] ...", one part per run, with short names.
    std::string render(const QByteArray &line) const {
        const OplTokenizer tokenizer(language);
        std::string out;
        int pos = 0;
        for (const OplTokenizer::Run &run : tokenizer.styleLine(line)) {
            QString name = QStringLiteral("?");
            for (const auto &category : language.categories())
                if (category.style == run.style)
                    name = category.name;
            if (!out.empty())
                out += ' ';
            out += name.left(3).toStdString() + '[' + line.mid(pos, run.length).toStdString() + ']';
            pos += run.length;
        }
        EXPECT_EQ(pos, line.size()) << "runs cover the line";
        return out;
    }

    DocumentLanguage language;
};

TEST_F(OplTokenizerTest, StylesEachKindOfToken) {
    const std::pair<const char *, const char *> cases[] = {
        {"PRINT \"hi\"", "Key[PRINT] Tex[ ] Str[\"hi\"]"},
        {"  print total%", "Tex[  ] Key[print] Tex[ ] Var[total%]"},
        {"Total%=KMAX%+names$", "Var[Total%] Ope[=] Con[KMAX%] Ope[+] Var[names$]"},
        {"REM all \"of\" this", "Com[REM all \"of\" this]"},
        {"x=1 rem note", "Tex[x] Ope[=] Num[1] Tex[ ] Com[rem note]"},
        {"remark%=premium", "Tex[remark%] Ope[=] Tex[premium]"},
        {"a$=\"say \"\"hi\"\"\" :REM x", "Tex[a$] Ope[=] Str[\"say \"\"hi\"\"\"] Tex[ ] "
                                         "Ope[:] Com[REM x]"},
        {"PRINT \"unclosed REM", "Key[PRINT] Tex[ ] Str[\"unclosed REM]"},
        {"x=1.5E-3+.5+2e+1", "Tex[x] Ope[=] Num[1.5E-3] Ope[+] Num[.5] Ope[+] Num[2e+1]"},
        {"y&=&FF+$1a", "Tex[y&] Ope[=] Num[&FF] Ope[+] Num[$1a]"},
        {"1E", "Num[1] Tex[E]"},
        {"show:(total%)", "Fun[show:] Ope[(] Var[total%] Ope[)]"},
        {"again::", "Lab[again::]"},
        {"other:(1)", "Tex[other] Ope[:(] Num[1] Ope[)]"},
        {"IF x% :PRINT", "Key[IF] Tex[ x% ] Ope[:] Key[PRINT]"},
        {"gAT 1,2 : gPRINT LEFT$(a$,2)",
         "Key[gAT] Tex[ ] Num[1] Ope[,] Num[2] Tex[ ] Ope[:] Tex[ ] Key[gPRINT] Tex[ ] "
         "Key[LEFT$] Ope[(] Tex[a$] Ope[,] Num[2] Ope[)]"},
        {"\tA.name$", "Tex[\tA] Ope[.] Tex[name$]"},
        {"", ""},
    };
    for (const auto &[line, expected] : cases)
        EXPECT_EQ(render(QByteArray(line)), expected) << line;
}

TEST_F(OplTokenizerTest, KeywordsWinOverTheDocumentsOwnNames) {
    language.addWord("Variables", "print");
    language.addWord("Functions", "CLS");
    EXPECT_EQ(render("PRINT cls"), "Key[PRINT] Tex[ ] Key[cls]");
}

} // namespace
