#include "common/scripted_prompts.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompts, RecordsMessagesAndAnswersFromTheQueueThenSafely) {
    ScriptedPrompts prompts;
    prompts.messageAnswers = {MessageAnswer::Yes};
    EXPECT_EQ(prompts.message("a", "T", MessageIcon::None, MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(prompts.message("b", "T", MessageIcon::Critical, MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(prompts.message("c", "T", MessageIcon::None, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(prompts.messageTexts(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(prompts.messages()[1].icon, MessageIcon::Critical);
    EXPECT_FALSE(prompts.input("p", "t", {}).has_value());
    EXPECT_TRUE(prompts.saveFileName({}).isEmpty());
}
