#include "analysis/name_set.h"
#include "common/test_paths.h"
#include "fuzz/analysis_fuzz_checks.h"
#include "scan_test_support.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
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

// Every name added is found and no other, at every size the table passes through: names
// crowd into the same groups, spill into the next and wrap around the table's end.
TEST(ScannerRobustness, NameSetHoldsWhatWasAddedAtEverySize) {
    NameSet set;
    QStringList added;
    QRandomGenerator random(42);
    for (int i = 0; i < 3000; ++i) {
        const QString name = QString::number(random.bounded(5000), 7);
        set.insert(name);
        if (!added.contains(name))
            added.append(name);
        ASSERT_EQ(set.size(), added.size());
        if (i % 97 != 0)
            continue;
        for (const QString &name : added)
            ASSERT_TRUE(set.contains(name)) << name.toStdString();
        for (int absent = 5000; absent < 5100; ++absent)
            ASSERT_FALSE(set.contains(QString::number(absent, 7)));
    }
}

// A million names fill many pieces of the set's store and a table past a million slots; a
// name longer than a piece gets one of its own; names outside Latin-1 are kept wide.
TEST(ScannerRobustness, NameSetOfMillionsOfBytes) {
    NameSet set;
    QStringList names;
    for (int i = 0; i < 1000000; ++i)
        names << QString::number(i, 36) + (i % 1000 == 7 ? QStringLiteral("\u20ac") : QString());
    names.insert(500000, QString(5 << 20, u'N'));
    for (const QString &name : names)
        set.insert(name);
    set.insert(names.first());
    EXPECT_EQ(set.size(), names.size());
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [&](const QString &name) { return !set.contains(name); }),
              0);
    for (const QString &absent : {QString(5 << 20, u'n'), QStringLiteral("zzzzzz"),
                                  QStringLiteral("8\u20ac"), QStringLiteral("a\u20ac")})
        EXPECT_FALSE(set.contains(absent));
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
