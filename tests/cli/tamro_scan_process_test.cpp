#include "common/test_paths.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the built tamro-scan from a temporary program folder (it reads global.xml beside
// itself) on the demo source, named through a link and "//./": the file is reported
// cleaned but with the link kept. The expected JSON is a golden file.
TEST(TamroScanProcess, JsonOfOneFileEndToEndAndMissingVocabulary) {
    QTemporaryDir program, sources;
    const QString binary = program.filePath("tamro-scan");
    const QString source = sources.filePath("demo.opl");
    const QString include = testDataDir() + "/cli/include";
    ASSERT_TRUE(QFile::copy(TAMRO_SCAN_BINARY, binary));
    ASSERT_TRUE(QFile::copy(testDataDir() + "/cli/global.xml", program.filePath("global.xml")));
    ASSERT_TRUE(QFile::copy(testDataDir() + "/cli/demo.opl", source));
    const QString link = program.filePath("src");
    ASSERT_TRUE(QFile::link(sources.path(), link));
    QProcess process;
    process.start(binary,
                  {"--json", "--undefined", "--include-dir", include, link + "//./demo.opl"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
    const QByteArray out = process.readAllStandardOutput();
    EXPECT_TRUE(out.endsWith('\n') && out.count('\n') == 1);
    EXPECT_TRUE(out.contains(R"("icon":23,)") && out.contains(R"("line":11,)"));

    QFile golden(testDataDir() + "/cli/demo.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString expected =
        QString::fromUtf8(golden.readAll()).replace("@DIR@", link).replace("@INCLUDE@", include);
    auto normalised = [](const QByteArray &json) {
        return QJsonDocument(QJsonDocument::fromJson(json).object()).toJson().toStdString();
    };
    EXPECT_EQ(normalised(out), normalised(expected.toUtf8()));

    QFile::remove(program.filePath("global.xml"));
    process.start(binary, {source});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.startsWith("tamro-scan: " + program.filePath("global.xml").toUtf8()));
    EXPECT_EQ(err.count('\n'), 1);
}

} // namespace
