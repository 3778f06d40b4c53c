#include "cli/scan_options.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanOptions, ReadsWhatWasAskedAndRefusesTheRest) {
    const std::pair<QStringList, std::optional<ScanOptions>> cases[] = {
        {{"a.opl", "b.opl"}, ScanOptions{.files = {"a.opl", "b.opl"}}},
        {{"a", "--json", "--undefined"},
         ScanOptions{.files = {"a"}, .json = true, .undefined = true}},
        {{"--include-dir", "/inc", "a"}, ScanOptions{.files = {"a"}, .includeDir = "/inc"}},
        // An empty folder given on purpose still overrides tamro.ini.
        {{"--include-dir=", "a"}, ScanOptions{.files = {"a"}, .includeDir = ""}},
        {{"--", "--json", "-"}, ScanOptions{.files = {"--json", "-"}}},
        {{"--vocabulary-names"}, ScanOptions{.vocabularyNames = true}},
        {{"--help"}, ScanOptions{.help = true}},
        {{}, {}},
        {{"--json"}, {}},
        {{"--bogus", "a"}, {}},
        {{"--include-dir"}, {}},
        {{"--json=1", "a"}, {}},
        {{"-json", "a"}, {}},
    };
    for (const auto &[arguments, expected] : cases) {
        QString error;
        const auto options = ScanOptions::parse(QStringList{"tamro-scan"} + arguments, &error);
        EXPECT_TRUE(options == expected) << qPrintable(arguments.join(' '));
        EXPECT_EQ(error.isEmpty(), expected.has_value()) << qPrintable(error);
        EXPECT_FALSE(error.contains(u'\n'));
    }
}

} // namespace
