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

struct CheckCase {
    const char *number;
    const char *argument;
    const char *error; // "" when the call is valid
    int integer = 0;
};

class CommandCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CommandCheck, AcceptsValidCallsAndExplainsInvalidOnes) {
    const CheckCase &c = GetParam();
    const auto call =
        CommandCatalogue::check(QString::fromUtf8(c.number), QString::fromUtf8(c.argument));
    EXPECT_EQ(call.error, QString::fromUtf8(c.error));
    EXPECT_EQ(call.ok(), *c.error == '\0');
    if (call.ok() && call.command->argument != CommandCatalogue::Argument::Text &&
        call.command->argument != CommandCatalogue::Argument::None) {
        EXPECT_EQ(call.integer, c.integer);
    }
    if (call.ok()) {
        EXPECT_EQ(call.command->number, QString::fromUtf8(c.number).trimmed().toInt());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CommandCheck,
    ::testing::Values(
        CheckCase{"129", "", ""}, CheckCase{" 129 ", "", ""},
        CheckCase{"129", "5", "The command \"Undo\" takes no parameter."},
        CheckCase{"168", "", "", -1}, CheckCase{"168", "10", "", 10},
        CheckCase{"168", " 0 ", "", 0},
        CheckCase{"168", "-2",
                  "The parameter of \"Go To Line\" must be a line index (0 for the first line) "
                  "or -1."},
        CheckCase{"186", "20", "", 20},
        CheckCase{"186", "21",
                  "The parameter of \"Set Zoom\" must be a whole number from -10 to 20."},
        CheckCase{"186", "",
                  "The parameter of \"Set Zoom\" must be a whole number from -10 to 20."},
        CheckCase{"192", "0",
                  "The parameter of \"Set Tab Width\" must be a whole number from 1 "
                  "to 32."},
        CheckCase{"196", "PRINT \"hi\"", ""},
        CheckCase{"196", "", "The command \"Insert Text\" needs a parameter."},
        CheckCase{"", "", "No command was chosen."},
        CheckCase{"abc", "", "\"abc\" is not a command number."},
        CheckCase{"98", "", "The editor has no command 98."},
        CheckCase{"223", "1", "The editor has no command 223."}));

} // namespace
