#include "common/golden_file.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs the built tamro-scan from a temporary program folder (it reads global.xml beside
// itself) on the demo source, named through a link and "//./": the file is reported
// cleaned but with the link kept. The JSON, indented, is a golden file.
TEST(TamroScanProcess, JsonOfOneFileByteNamesAndAFullDeviceEndToEnd) {
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
    expectGolden(QString::fromUtf8(QJsonDocument::fromJson(out).toJson())
                     .replace(link, "@DIR@")
                     .replace(include, "@INCLUDE@"),
                 "cli/demo.json");

    // Hostile surroundings: a file name whose bytes are not text in the locale's encoding
    // (Latin-1 on a UTF-8 system), which the shell passes as it stands, and output to a full
    // device.
    const QByteArray latin1 = QFile::encodeName(sources.path()) + "/lat\xE9in1.opl";
    const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "PROC main:\r\nENDP\r\n", 18), 18);
    ::close(fd);
    process.setWorkingDirectory(sources.path());
    process.start("/bin/sh",
                  {"-c", R"sh(exec "$0" --undefined "$(printf 'lat\351in1.opl')")sh", binary});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.readAllStandardError(), "");
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("\n  main:\n"));

    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    process.setStandardOutputFile("/dev/full");
    process.start("/bin/sh",
                  {"-c", R"sh(exec "$0" --json "$(printf 'lat\351in1.opl')")sh", binary});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError(),
              "tamro-scan: cannot write the output: No space left on device\n");
}

} // namespace
