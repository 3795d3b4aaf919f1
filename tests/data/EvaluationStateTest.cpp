#include "data/EvaluationState.h"
#include "TestSession.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

namespace {

// The three steps of every evaluation run, and the one row each leaves in A1.
TEST(EvaluationStateTest, ARecordIsBuiltOnceThenDrawnUntilARebuildIsAskedFor)
{
    TestSession session;
    const auto db = session.cnnX();
    const auto rows = [&] { return Recordset(db, "SELECT * FROM [A1] WHERE [ID]=4").recordCount(); };
    EXPECT_TRUE(EvaluationState::rebuildPending(db, 4));  // no row yet: one that says "rebuild"
    EXPECT_EQ(rows(), 1);
    EvaluationState::built(db, 4);
    EXPECT_FALSE(EvaluationState::rebuildPending(db, 4));
    EvaluationState::requireRebuild(db, 4);
    EXPECT_TRUE(EvaluationState::rebuildPending(db, 4));
    EXPECT_EQ(rows(), 1);
}

}  // namespace
