#include "cli/scan_json.h"
#include "cli/scan_text.h"
#include "cli/source_file.h"
#include "common/test_paths.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// The JSON is written piece by piece; it must be what QJsonDocument writes for the same
// object, byte for byte, escapes included.
TEST(ScanJson, IsQtsCompactFormByteForByte) {
    const QString odd = QStringView(u"q\"\\/\b\f\n\r\t\x01\x1f\x7f\u00e9\u20ac").toString() +
                        QChar(0xD83D) + QChar(0xDE00) + QChar(0xDC00) + u'x' + QChar(0xD800);
    FileScan file;
    file.absolutePath = odd;
    file.scan.nodes = {{"A", "", odd}, {"F", "", "Procedures"}};
    file.scan.lstProc = {odd, ""};
    file.scan.completions = {{odd, "(a%)", 9, "User function " + odd}};
    file.scan.reports = {{ScanReport::Kind::IncludedDuplicateName, 0, odd, odd}};
    file.scan.labels = {"samplelabel"};
    file.undefined = [&](const UndefinedVisitor &visit) {
        return visit(4, odd) && visit(9, u"b");
    };
    const QByteArray json = ScanJson::line(file);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(QJsonDocument(object).toJson(QJsonDocument::Compact), json);
    EXPECT_EQ(object["nodes"][0]["text"].toString(), odd);
    EXPECT_EQ(object["undefined"][1]["line"].toInt(), 10);
}

// An outline too large to hold is written group by group from scans made again: the same text.
TEST(ScanText, OutlineNotHeldIsTheSame) {
    const QDir dir(testDataDir() + "/cli/scan");
    const VocabularyNames vocabulary(QStringList{"PRINT", "GOTO"});
    for (const QString &name : dir.entryList({"*.opl"})) {
        const SourceFile source = SourceFile::read(dir.filePath(name));
        const FileScan scan = FileScan::stream(name, source.lines(), vocabulary, {}, true);
        QString held, replayed;
        QTextStream heldOut(&held), replayedOut(&replayed);
        ScanText::write(heldOut, scan);
        ScanText::write(replayedOut, scan, 0);
        heldOut.flush();
        replayedOut.flush();
        EXPECT_EQ(replayed, held) << name.toStdString();
    }
}

} // namespace
