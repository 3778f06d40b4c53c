#include "common/test_paths.h"
#include "fuzz/analysis_fuzz_checks.h"
#include "scan_test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void expectInvariants(const AnalysisFuzz::Input &input) {
    EXPECT_EQ(AnalysisFuzz::checkScan(input), QString());
    EXPECT_EQ(AnalysisFuzz::checkUndefined(input), QString());
}

// Inputs the fuzz targets start from or once stumbled on.
TEST(ScannerRobustness, FuzzCorpusKeepsItsInvariants) {
    const QDir dir(testDataDir() + "/analysis/fuzz");
    ASSERT_FALSE(dir.isEmpty());
    for (const QString &name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readAll(dir.filePath(name));
        expectInvariants(AnalysisFuzz::decode(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())));
    }
}

TEST(ScannerRobustness, HugeLines) {
    const QString huge(1 << 20, u'x');
    const AnalysisFuzz::Input longLines{
        {huge + " PROC p:(a)", QString(1 << 20, u'"'), "GLOBAL " + huge + "(" + huge}, {}};
    expectInvariants(longLines);
    // Compared whole but not printed: a failure would dump megabytes.
    EXPECT_TRUE(symbolNodes(AnalysisFuzz::scan(longLines)) == "F1=p: F1_1=a V1=" + huge);
}

TEST(ScannerRobustness, LongIncludeIsReadWhole) {
    // 50 MB, mostly NULs (a sparse file), with declarations at both ends.
    QTemporaryDir dir;
    QFile file(dir.filePath("big.oph"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("CONST Head=1\r\n");
    ASSERT_TRUE(file.resize(50 << 20) && file.seek(50 << 20));
    file.write("\r\nCONST Tail=2\r\n");
    file.close();
    const ScanResult result = scanSource({"INCLUDE \"big.oph\"", ""}, testVocabulary(), dir.path());
    EXPECT_EQ(result.constants, QStringList({"sampleconst", "Head", "Tail"}));
}

} // namespace
