#include "analysis/document_language.h"
#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "common/scripted_prompts.h"
#include "document/opl_lexer.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

using Sci = QsciScintillaBase;

class RtfTextCompletion : public ::testing::Test {
protected:
    RtfTextCompletion() {
        // As in a document window: the OPL lexer, which brings its own case rule.
        editor.setLanguage(new OplLexer(std::make_shared<DocumentLanguage>(), &editor));
        editor.resize(400, 200);
        editor.show();
        QObject::connect(&editor, &rtfText::completionListRequested, &editor, [this] {
            ++requests;
            if (answer)
                editor.setCompletionList(entries);
        });
    }
    bool listShown() const { return editor.SendScintilla(Sci::SCI_AUTOCACTIVE) != 0; }
    QString chosenEntry() const {
        QByteArray buffer(256, '\0');
        editor.SendScintilla(Sci::SCI_AUTOCGETCURRENTTEXT, 0ul, static_cast<void *>(buffer.data()));
        return QString::fromUtf8(buffer.constData());
    }
    bool tipShown() const { return editor.SendScintilla(Sci::SCI_CALLTIPACTIVE) != 0; }

    ScriptedPrompts prompts;
    rtfText editor{prompts};
    int requests = 0;
    bool answer = true;
    QList<CompletionEntry> entries = {
        {QStringLiteral("CALL"), QStringLiteral("(\"name\")"), 1,
         QStringLiteral("Calls a procedure")},
        {QStringLiteral("calc%:"), QStringLiteral("(a%,b$)"), 9,
         QStringLiteral("User function calc%:")},
        {QStringLiteral("count%"), QString(), 23, QStringLiteral("User variable count%")},
    };
};

TEST_F(RtfTextCompletion, CtrlSpaceOffersTheEntriesInCaseBlindOrderAndReturnInsertsOne) {
    answer = false;
    QTest::keyClicks(&editor, QStringLiteral("x=c"));
    EXPECT_EQ(requests, 0); // typing asks only when the flag is set
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(listShown()); // no answer shows nothing
    answer = true;
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(requests, 2);
    QStringList order{chosenEntry()};
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(&editor, Qt::Key_Down);
        order << chosenEntry();
    }
    EXPECT_EQ(order, (QStringList{"calc%:", "CALL", "count%"}));
    // Choosing inserts the whole name and shows its description.
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.GetLine(0), QStringLiteral("x=count%"));
    EXPECT_TRUE(tipShown());
    // A context menu puts the list away.
    QTest::keyClick(&editor, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(listShown());
    editor.prepareContextMenu();
    EXPECT_FALSE(listShown());
}

// A third letter of a name asks for the list; typing ignores case, and the whole name of the
// only entry left closes the list.
TEST_F(RtfTextCompletion, TypingOffersTheListFromTheThirdLetterWhenTheFlagIsSet) {
    entries += {{"PRINT", "", 1, ""}, {"ENDP", "", 1, ""}, {"ENDV", "", 1, ""}};
    editor.setCompletionWhileTyping(true);
    for (const CaseLine &row : readCases("document/completion_typing.txt", 3)) {
        editor.SetText({});
        requests = 0;
        QTest::keyClicks(&editor, row.text(0));
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClicks(&editor, QStringLiteral("x"));
        EXPECT_EQ(editor.Text() + ' ' + QString::number(requests), row.text(1) + ' ' + row.text(2))
            << row.line;
    }
}

} // namespace
