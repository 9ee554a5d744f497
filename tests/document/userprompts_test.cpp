#include "document/userprompts.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(QueuedPrompts, AnswersFromTheQueueAndKeepsEveryText)
{
    QueuedPrompts prompts({Answer::Yes, Answer::Cancel});
    prompts.showMessage("first");
    EXPECT_EQ(prompts.ask("save?", Buttons::YesNoCancel), Answer::Yes);
    EXPECT_EQ(prompts.ask("sure?", Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(prompts.shown(), QStringList({"first", "save?", "sure?"}));
    EXPECT_TRUE(prompts.unanswered().isEmpty());
    EXPECT_EQ(prompts.pendingAnswers(), 0);
}

TEST(QueuedPrompts, AnUnansweredQuestionGetsTheMostCautiousAnswer)
{
    struct Case {
        Buttons buttons;
        Answer answer;
    };
    const Case cases[] = {
        {Buttons::YesNoCancel, Answer::Cancel},
        {Buttons::OkCancel, Answer::Cancel},
        {Buttons::YesNo, Answer::No},
        {Buttons::Ok, Answer::Ok},
    };
    for (const Case &c : cases) {
        QueuedPrompts prompts;
        EXPECT_EQ(prompts.ask("question", c.buttons), c.answer);
        EXPECT_EQ(prompts.unanswered(), QStringList({"question"}));
    }
    // An answer the buttons do not offer is not taken.
    QueuedPrompts prompts({Answer::Ok});
    EXPECT_EQ(prompts.ask("replace?", Buttons::YesNo), Answer::No);
    EXPECT_EQ(prompts.pendingAnswers(), 1);
}

} // namespace
} // namespace zorvan
