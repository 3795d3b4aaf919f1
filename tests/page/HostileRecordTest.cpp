// A short run of random and hostile records through the page and the sheet tool; the long
// run is the program hostile-records (build/tests/hostile-records --seconds N).
#include "HostileRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(HostileRecordTest, NoRecordCrashesHangsOrDrawsPastTheScales)
{
    Locale::setCurrent({Locale::German, ","});
    TestSession session;
    HostileRecords records(20261208);
    for (int i = 0; i < 120; ++i) {
        records.next(session);
        const std::string faults = records.checkPage(session) +
                                   (i % 20 == 0 ? records.checkSheet(session.root() / "sheet.pdf") : std::string());
        EXPECT_EQ(faults, "") << "record " << i << ": " << records.record;
    }
}

}  // namespace
