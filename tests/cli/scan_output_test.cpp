#include "cli/scan_json.h"
#include "cli/scan_text.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

TEST(ScanText, OutlineShowsLabelsSecondAndIndentsMembers) {
    // "Labels" made on demand comes late in insertion order.
    const QList<NavigatorNode> nodes = {
        {"A", "", "Project -> /src/a.opl"},
        {"C", "", "Constants"},
        {"F", "", "Procedures"},
        {"F1", "F", "main:"},
        {"C1", "C", "KMax%"},
        {"F1_1", "F1", "i%"},
        {"F2", "F", "other:"},
        {"L", "", "Labels"},
        {"L1", "L", "lbl::"},
    };
    EXPECT_EQ(ScanText::outline(nodes),
              QStringList({"Project -> /src/a.opl", "Labels", "  lbl::", "Constants", "  KMax%",
                           "Procedures", "  main:", "    i%", "  other:"}));
}

TEST(ScanOutput, FindingsAreOneLineEachWithTheGivenNameAndLinesFromOne) {
    FileScan file;
    file.name = "dir/%1 x.opl";
    file.scan.reports = {
        {ScanReport::Kind::DuplicateName, 2, "n%", "Name n% allready reserved!"},
        {ScanReport::Kind::UnreadableInclude, 6, "/i/b.oph", "/i/b.oph\r\nPermission denied"},
    };
    file.undefined = UndefinedSearchResult{{{0, "foo"}}, true, "done"};
    EXPECT_EQ(ScanText::findings(file), QStringList({"dir/%1 x.opl:3: Name n% allready reserved!",
                                                     "dir/%1 x.opl:7: /i/b.oph Permission denied",
                                                     "dir/%1 x.opl:1: undefined name 'foo'"}));
    const QByteArray json = ScanJson::line(file);
    EXPECT_FALSE(json.contains('\n'));
    EXPECT_TRUE(json.contains(R"({"kind":"missing-include","line":7,"text":"/i/b.oph\r\nPer)"));
}

TEST(ScanJson, ShortFileIsNotScannedButSearched) {
    const VocabularyNames vocabulary(QStringList{"PRINT"});
    const QJsonObject searched =
        ScanJson::toObject(FileScan::run("one.opl", {"PRINT foo"}, vocabulary, "/inc", true));
    for (const char *key : {"nodes", "declared", "completions", "reports"})
        EXPECT_TRUE(searched[key].toArray().isEmpty()) << key;
    for (const char *list : {"variables", "labels", "constants", "functions"})
        EXPECT_TRUE(searched["words"][list].toArray().isEmpty()) << list;
    EXPECT_EQ(searched["undefined"].toArray(),
              QJsonArray({QJsonObject{{"line", 1}, {"word", "foo"}}}));

    const QJsonObject plain =
        ScanJson::toObject(FileScan::run("one.opl", {"PRINT foo"}, vocabulary, "/inc", false));
    EXPECT_FALSE(plain.contains("undefined") || plain.contains("message"));
}

} // namespace
