#include "cli/scan_options.h"
#include "common/case_file.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanOptions, ReadsWhatWasAskedAndRefusesTheRest) {
    for (const CaseLine &c : readCases("cli/scan_options.txt", 2)) {
        const QStringList arguments = c.text(0).split(' ', Qt::SkipEmptyParts);
        QString error, read = "refused";
        if (const auto o = ScanOptions::parse(QStringList{"tamro-scan"} + arguments, &error))
            read = '[' + o->files.join(',') + ']' + (o->json ? " json" : "") +
                   (o->undefined ? " undefined" : "") + (o->vocabularyNames ? " names" : "") +
                   (o->help ? " help" : "") + (o->includeDir ? " include=" + *o->includeDir : "");
        EXPECT_EQ(read, c.text(1)) << "line " << c.line;
        EXPECT_EQ(error.isEmpty(), read != "refused") << qPrintable(error);
        EXPECT_FALSE(error.contains(u'\n'));
    }
}

} // namespace
