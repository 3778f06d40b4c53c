#include "base/settings_file.h"
#include "cli/scan_command.h"
#include "common/test_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScanCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(testDataDir() + "/cli/global.xml", program.filePath("global.xml")));
    }
    QString write(const QString &name, const QByteArray &bytes) {
        QFile file(sources.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    int run(const QStringList &arguments) {
        out.clear();
        err.clear();
        QTextStream outStream(&out), errStream(&err);
        return ScanCommand(program.path(), outStream, errStream)
            .run(QStringList{"tamro-scan"} + arguments);
    }

    QTemporaryDir program, sources;
    QString out, err;
};

TEST_F(ScanCommandTest, ExitStatusAndStderrForFilesThatCannotBeRead) {
    const QString clean = write("clean.opl", "PROC main:\r\nENDP\r\n");
    const QString unknown = write("unknown.opl", "PROC main:\r\n  PRINT foo\r\nENDP\r\n");
    const QString missing = sources.filePath("missing.opl");
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--undefined", clean}, 0},
        {{unknown}, 0},
        {{"--undefined", "--json", unknown, clean}, 1},
        {{"--undefined", missing, unknown}, 2}, // unreadable wins
    };
    for (const auto &c : cases)
        EXPECT_EQ(run(c.arguments), c.status) << qPrintable(c.arguments.join(' '));

    EXPECT_EQ(run({missing, clean, sources.path()}), 2);
    EXPECT_EQ(err, "tamro-scan: " + missing + ": No such file or directory\n" +
                       "tamro-scan: " + sources.path() + ": is a folder, not a file\n");
    EXPECT_TRUE(out.startsWith("Project -> " + clean + "\n")) << qPrintable(out);
}

TEST_F(ScanCommandTest, IncludeFolderComesFromTamroIniUnlessGiven) {
    AppSettings settings;
    settings.Paths[2] = testDataDir() + "/cli/include";
    ASSERT_TRUE(writeSettingsFile(program.filePath("tamro.ini"), settings));
    const QString source = write("inc.opl", "INCLUDE \"demo.oph\"\r\n");
    EXPECT_EQ(run({source}), 0);
    EXPECT_TRUE(out.contains("\n  KDemo%\n") && !out.contains("File not found!"));
    EXPECT_EQ(run({"--include-dir", "/nowhere", source}), 0);
    EXPECT_TRUE(out.endsWith(source + ":1: /nowhere/demo.oph File not found!\n"));
}

TEST_F(ScanCommandTest, ReadsFilesAsTheEditorOpensThemAndListsTheVocabulary) {
    // Windows-1252 without BOM, lines ended by CR alone.
    const QString source = write("enc.opl", "PROC main:\rGLOBAL \xE9%\rGLOBAL \xE9%");
    EXPECT_EQ(run({"--vocabulary-names", source}), 0);
    EXPECT_TRUE(out.startsWith("PRINT\nIF\nENDIF\nGOTO\nPROC\nENDP\n"));
    EXPECT_TRUE(out.contains(u"Global Variables\n  \u00e9%\n"_qs));
    EXPECT_TRUE(out.endsWith(source + u":3: Name \u00e9% allready reserved!\n"_qs))
        << qPrintable(out);
}

} // namespace
