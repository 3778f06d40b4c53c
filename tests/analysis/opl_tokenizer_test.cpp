#include "analysis/document_language.h"
#include "analysis/opl_tokenizer.h"
#include "common/case_file.h"
#include "common/test_paths.h"

#include <gtest/gtest.h>

namespace {

class OplTokenizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(language.load(sourceDataDir() + "/opl.xml"));
        // Keywords win over the document's own names (print, CLS).
        for (const QString added : {"Variables total%", "Variables names$",
                                    "Functions show:", "Labels again::", "Constants KMax%",
                                    "Variables print", "Functions CLS"})
            language.addWord(added.section(' ', 0, 0), added.section(' ', 1));
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
    for (const CaseLine &c : readCases("analysis/token_styles.txt", 2))
        EXPECT_EQ(render(c.fields[0]), c.fields[1].toStdString()) << "line " << c.line;
}

} // namespace
