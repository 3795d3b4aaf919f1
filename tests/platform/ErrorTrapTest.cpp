#include "platform/ErrorTrap.h"
#include "ScriptedMessages.h"
#include "platform/Locale.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

namespace {

using Answer = MessageService::Answer;

TEST(ErrorTrapTest, OkGoesOnWithTheNextStepAndCancelLeaves)
{
    Locale::setCurrent({Locale::German, ","});
    ScriptedMessages messages;
    messages.answers = {Answer::Ok, Answer::Cancel};
    ErrorTrap trap(messages, "Bild 11");
    std::vector<int> ran;
    const bool completed = trap.run({
        [&] { ran.push_back(1); },
        [&] { throw VbError::of(VbError::DivisionByZero); },
        [&] { ran.push_back(3); },
        [&] { throw VbError(VbError::TypeMismatch, "Typen unverträglich"); },
        [&] { ran.push_back(5); },
    });
    EXPECT_FALSE(completed);
    EXPECT_TRUE(trap.cancelled());
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].title, "Bild 11");
    EXPECT_EQ(messages.shown[0].text, "VB-Fehler: 11\nDivision durch Null");
    EXPECT_EQ(messages.shown[0].buttons, MessageService::Buttons::OkCancel);
    EXPECT_EQ(messages.shown[0].icon, MessageService::Icon::Warning);
}

TEST(ErrorTrapTest, RunsEveryStepWithoutMessagesWhenNothingFails)
{
    ScriptedMessages messages;
    ErrorTrap trap(messages, "KVX", "VB-Error: ");
    int count = 0;
    EXPECT_TRUE(trap.run({[&] { ++count; }, [&] { ++count; }}));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(messages.shown.empty());
    // A failure answered with OK goes on.
    EXPECT_TRUE(trap.attempt([] { throw VbError(VbError::DatabaseError, "x"); }));
    EXPECT_EQ(messages.shown.back().text, "VB-Error: -2147467259\nx");
}

// A failed step that makes what later steps use ends the procedure whatever the answer, any
// exception named; an ordinary failed step answered with OK lets the next one run.
TEST(ErrorTrapTest, AFailedCreationEndsTheProcedureWhateverTheAnswer)
{
    ScriptedMessages messages;
    ErrorTrap trap(messages, "Bild 11");
    int after = 0;
    trap.run({ErrorTrap::creating([] { throw std::runtime_error("kein Objekt"); }), [&] { ++after; }});
    EXPECT_EQ(after, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("kein Objekt"), std::string::npos) << messages.shown[0].text;
    trap.run({[] { throw VbError::of(VbError::DivisionByZero); }, [&] { ++after; }});
    EXPECT_EQ(after, 1);
}

}  // namespace
