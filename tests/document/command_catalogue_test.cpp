#include "common/case_file.h"
#include "common/qstring_printer.h"
#include "document/command_catalogue.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(CommandCatalogue, EveryNumberInTheRangeHasItsOwnNameAndADescription) {
    QSet<QString> names;
    for (int number = CommandCatalogue::FirstNumber; number <= CommandCatalogue::LastNumber;
         ++number) {
        const QString name = CommandCatalogue::CommandString(number, false);
        EXPECT_FALSE(name.isEmpty()) << number;
        EXPECT_FALSE(CommandCatalogue::CommandString(number, true).isEmpty()) << number;
        EXPECT_FALSE(names.contains(name)) << "duplicate name " << name.toStdString();
        names.insert(name);
    }
    for (int outside : {-1, 0, 98, 223, 1000}) {
        EXPECT_EQ(CommandCatalogue::CommandString(outside, false), QString()) << outside;
        EXPECT_EQ(CommandCatalogue::CommandString(outside, true), QString()) << outside;
    }
}

TEST(CommandCatalogue, AcceptsValidCallsAndExplainsInvalidOnes) {
    for (const CaseLine &c : readCases("document/command_calls.txt", 4)) {
        SCOPED_TRACE(c.line);
        const auto call = CommandCatalogue::check(c.text(0), c.text(1));
        EXPECT_EQ(call.error, c.text(2));
        ASSERT_EQ(call.ok(), c.text(2).isEmpty());
        if (!call.ok())
            continue;
        EXPECT_EQ(call.command->number, c.text(0).trimmed().toInt());
        if (call.command->argument != CommandCatalogue::Argument::Text &&
            call.command->argument != CommandCatalogue::Argument::None) {
            EXPECT_EQ(call.integer, c.text(3).toInt());
        }
    }
}

} // namespace
