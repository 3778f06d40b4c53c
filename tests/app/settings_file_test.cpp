#include "base/settings_file.h"
#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "settings_round_trip.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

AppSettings defaults() {
    AppSettings settings;
    settings.Paths[4] = "/";
    return settings;
}

// Every stored field away from its default; a path holds a comma, one a non-ASCII letter.
AppSettings everyFieldSet() {
    AppSettings s;
    s.RecentFiles = {"", "/home/ann/a.opl", "/home/ann/b, old.opl", QString::fromUtf8("/ä.tpl")};
    s.Paths = {"", "/opt/OPLTRAN.EXE", "/inc, shared", "/out", "/conv"};
    s.WaitSeconds = 0.1f;
    s.EditorFont = {"DejaVu Sans Mono", 9.75, false, false};
    s.LineNumbers = false;
    for (std::size_t i = 0; i < s.Colours.size(); ++i)
        s.Colours[i] = std::uint32_t(i * 429496729u + 1);
    return s;
}

QStringList linesOf(const AppSettings &settings) {
    QStringList lines = QString::fromUtf8(formatSettingsFile(settings)).split("\r\n");
    EXPECT_EQ(lines.takeLast(), QString()); // the last line ends with CR LF too
    return lines;
}

QByteArray joined(const QStringList &lines) {
    return lines.join("\r\n").toUtf8() + "\r\n";
}

} // namespace

TEST(SettingsFileFormat, DefaultsAndNumbersAreSpelledExactly) {
    const QString expected = R"("" "" "" "" "" "" "/" 6 "" 10 "On" 8421504 0 0 0 0 0 0 0 0 0 0)";
    EXPECT_EQ(formatSettingsFile(defaults()), joined(expected.split(' ')));

    for (const CaseLine &row : readCases("app/settings_numbers.txt", 4)) {
        AppSettings s = defaults();
        s.WaitSeconds = row.text(0).toFloat();
        s.EditorFont.Size = row.text(1).toDouble();
        const QStringList lines = linesOf(s);
        EXPECT_EQ(lines[7] + ' ' + lines[9], row.text(2) + ' ' + row.text(3)) << row.line;
    }
}

// One line of a complete file replaced; then line `check` as it would be written again.
TEST(SettingsFileRead, FieldRulesAndWrongTypes) {
    for (const CaseLine &c : readCases("app/settings_fields.txt", 5)) {
        SCOPED_TRACE(c.line);
        AppSettings read = defaults();
        QStringList lines = linesOf(read);
        lines[c.text(0).toInt() - 1] = c.text(1);
        EXPECT_EQ(parseSettingsFile(joined(lines), read), c.text(2) == "read");
        if (c.text(3) != "-") {
            EXPECT_EQ(linesOf(read)[c.text(3).toInt() - 1], c.text(4));
        }
    }
}

// Reading stops at the first bad value: what came before it is taken, the rest stays.
TEST(SettingsFileRead, CutOrWrongAtAnyLineKeepsWhatWasReadBeforeIt) {
    const QStringList full = linesOf(everyFieldSet()), old = linesOf(defaults());
    for (int n = 0; n < 22; ++n) {
        SCOPED_TRACE(n);
        const QStringList expected = full.mid(0, n) + old.mid(n);
        AppSettings cut = defaults();
        EXPECT_FALSE(parseSettingsFile(joined(full.mid(0, n)), cut));
        EXPECT_EQ(linesOf(cut), expected);

        QStringList wrong = full; // only number lines can hold a wrong type
        wrong[n] = "x";
        AppSettings bad = defaults();
        const bool numberLine = n == 7 || n == 9 || n >= 11;
        EXPECT_EQ(parseSettingsFile(joined(wrong), bad), !numberLine);
        if (numberLine) {
            EXPECT_EQ(linesOf(bad), expected);
        }
    }
}

TEST(SettingsFileRead, LineEndsEncodingsAndOddBytes) {
    const QByteArray crlf = formatSettingsFile(everyFieldSet());
    EXPECT_EQ(SettingsRoundTrip::violationFor(crlf), ""); // as a file and as a record's seed
    const QByteArray lf = QByteArray(crlf).replace("\r\n", "\n");
    const QByteArray cr = QByteArray(crlf).replace("\r\n", "\r");
    for (const QByteArray &bytes :
         {lf, cr, crlf.chopped(2), QByteArray("\xEF\xBB\xBF") + crlf, crlf + "more\r\n"}) {
        AppSettings read = defaults();
        EXPECT_TRUE(parseSettingsFile(bytes, read));
        EXPECT_EQ(read, everyFieldSet());
    }

    for (const CaseLine &c : readCases("app/settings_bytes.txt", 3)) {
        AppSettings read = defaults(), expected = defaults();
        expected.RecentFiles[1] = c.text(1);
        expected.RecentFiles[2] = c.text(2);
        EXPECT_FALSE(parseSettingsFile(c.fields[0], read)) << c.line;
        EXPECT_EQ(read, expected) << c.line;
    }
}

TEST(SettingsFileRead, HugeLinesDoNoHarm) {
    QStringList lines = linesOf(defaults());
    const QString huge(10 * 1024 * 1024, u'x');
    lines[0] = '"' + huge + '"';
    AppSettings read = defaults();
    EXPECT_TRUE(parseSettingsFile(joined(lines), read));
    EXPECT_EQ(read.RecentFiles[1].size(), huge.size());
    lines[7] = huge;
    EXPECT_FALSE(parseSettingsFile(joined(lines), read));
}
