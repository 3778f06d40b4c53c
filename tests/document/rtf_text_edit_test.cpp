#include "common/case_file.h"
#include "common/scripted_prompts.h"
#include "document/command_catalogue.h"
#include "document/rtf_text.h"

#include <gtest/gtest.h>

#include <Qsci/qscilexercustom.h>

#include <QAccessible>
#include <QContextMenuEvent>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

using Sci = QsciScintillaBase;

class RtfTextEdit : public ::testing::Test {
protected:
    RtfTextEdit() {
        editor.SetText(QStringLiteral("äöü€✓ x\r\nzweite ✓ Zeile\r\na\U0001F600b\r\n"));
    }
    ScriptedPrompts prompts;
    rtfText editor{prompts};
};

TEST_F(RtfTextEdit, LinesAndColumnsCountCharactersNotBytes) {
    EXPECT_EQ(editor.LineCount(), 4);
    EXPECT_EQ(editor.GetLine(1), QStringLiteral("zweite ✓ Zeile"));
    EXPECT_EQ(editor.GetLine(3), QString());
    EXPECT_EQ(editor.GetLine(4), QString());

    // Selected backwards, the caret, and so the end, is at the start.
    const auto range = [](const QString &text) {
        const QStringList n = text.split(' ');
        return TextRange{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()};
    };
    for (const CaseLine &c : readCases("document/selections.txt", 4)) {
        editor.SetSel(range(c.text(0)), false);
        EXPECT_EQ(editor.GetSel(false), range(c.text(1))) << c.line;
        EXPECT_EQ(editor.GetSel(true), range(c.text(2))) << c.line;
        EXPECT_EQ(editor.SelText(), c.text(3)) << c.line;
    }
}

TEST_F(RtfTextEdit, InsertingKeepsTheSelectionOnItsText) {
    editor.SetSel({1, 0, 1, 6}, false);
    editor.InsertText(QStringLiteral("REM "), 1, 0);
    editor.InsertText(QStringLiteral("#"), 0, 5);
    EXPECT_EQ(editor.GetLine(0), QStringLiteral("äöü€✓# x"));
    EXPECT_EQ(editor.GetLine(1), QStringLiteral("REM zweite ✓ Zeile"));
    EXPECT_EQ(editor.SelText(), QStringLiteral("REM zweite"));

    editor.SelectLine(1, true);
    EXPECT_EQ(editor.SelText(), QStringLiteral("REM zweite ✓ Zeile"));
    EXPECT_EQ(editor.GetSel(false), (TextRange{1, 0, 1, 18}));
    editor.setSelText(QStringLiteral("ersetzt"));
    EXPECT_EQ(editor.GetLine(1), QStringLiteral("ersetzt"));
    EXPECT_EQ(editor.GetSel(false), (TextRange{1, 7, 1, 7}));
    EXPECT_EQ(editor.LineCount(), 4);
}

// A colour is 0x00BBGGRR, painted as red, green, blue, on its line only.
TEST_F(RtfTextEdit, LineColoursComeAndGoPerLineAndPaintFromBgr) {
    EXPECT_FALSE(editor.SetLineColor(4, 255));
    EXPECT_FALSE(editor.SetLineColor(-1, 255));
    // Colours that no line shows any more free their place: many colours over time work.
    for (std::uint32_t colour = 1; colour <= 60; ++colour)
        ASSERT_TRUE(editor.SetLineColor(0, colour * 1000));
    EXPECT_EQ(editor.lineColor(0), 60000u);
    EXPECT_TRUE(editor.SetLineColor(0, rtfText::NormalLineColour));
    EXPECT_EQ(editor.lineColor(0), rtfText::NormalLineColour);
    editor.resize(400, 200);
    editor.show();
    EXPECT_TRUE(editor.SetLineColor(1, 0x0000FF)); // pure red
    EXPECT_TRUE(editor.SetLineColor(2, 0xFF0000)); // pure blue
    EXPECT_EQ(editor.lineColor(2), 0xFF0000u);
    const int height = int(editor.SendScintilla(Sci::SCI_TEXTHEIGHT, 0));
    const QImage image = editor.viewport()->grab().toImage();
    const int x = image.width() - 20;
    EXPECT_EQ(image.pixelColor(x, height + height / 2), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(x, 2 * height + height / 2), QColor(0, 0, 255));
    EXPECT_NE(image.pixelColor(x, height / 2), QColor(255, 0, 0));
}

// A language that records what it was asked to style.
class RecordingLanguage : public QsciLexerCustom {
public:
    const char *language() const override { return "recording"; }
    QString description(int style) const override {
        return style < 8 ? QStringLiteral("x") : QString();
    }
    void styleText(int start, int end) override {
        styled = {start, end};
        startStyling(start);
        setStyling(end - start, 0);
    }
    std::pair<int, int> styled{-1, -1};
};

// Restyle styles the whole text.
TEST_F(RtfTextEdit, FontAndLineNumberColourSurviveAChangeOfLanguageAndRestyleTakesAll) {
    EXPECT_TRUE(editor.SetColor(rtfText::LineNumberColourItem, 0x336699));
    EXPECT_FALSE(editor.SetColor(3, 0x336699));
    editor.SetFont(QFont(QStringLiteral("DejaVu Sans Mono"), 13));
    RecordingLanguage language;
    editor.setLanguage(&language);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER), 0x336699);
    for (int style : {0, 5, int(Sci::STYLE_LINENUMBER)})
        EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETSIZE, style), 13) << style;
    language.styled = {-1, -1};
    editor.Restyle();
    EXPECT_EQ(language.styled, std::make_pair(0, int(editor.Text().toUtf8().size())));
    editor.setLanguage(nullptr);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER), 0x336699);
}

TEST_F(RtfTextEdit, RaisesItsNotificationsAndTellsScreenReaders) {
    const auto restore = qScopeGuard([] { QAccessible::setActive(false); });
    editor.resize(400, 200);
    editor.show();
    QSignalSpy menu(&editor, &rtfText::contextMenuRequested);
    QSignalSpy mouse(&editor, &rtfText::mouseDown);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 6), QPoint(105, 106));
    QApplication::sendEvent(editor.viewport(), &event);
    EXPECT_EQ(menu, QList<QList<QVariant>>{{QPoint(105, 106)}});
    QTest::mousePress(editor.viewport(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPoint(60, 5));
    EXPECT_EQ(mouse, (QList<QList<QVariant>>{{2, 3, 60, 5}}));

    QAccessible::setActive(true);
    QSignalSpy changed(&editor, &QsciScintilla::textChanged);
    editor.InsertText(QStringLiteral("x"), 1, 0);
    EXPECT_EQ(changed.count(), 1);
    QAccessibleTextInterface *text =
        QAccessible::queryAccessibleInterface(&editor)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, 3), QStringLiteral("äöü"));
}

} // namespace
