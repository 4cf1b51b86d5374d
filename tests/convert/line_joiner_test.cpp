#include <gtest/gtest.h>

#include "convert/core/line_joiner.h"

namespace kestrum {
namespace {

TEST(LineJoiner, HandsOnWholeLinesAndKeepsTheRest) {
    struct Case {
        const char* name;
        std::vector<std::string> chunks;
        std::vector<std::string> taken;
        std::string flushed;
    };
    const Case cases[] = {
        {"whole lines pass at once", {"a\nb\r"}, {"a\nb\r"}, ""},
        {"a line in pieces",
         {"  Duration: ", "00:00:10.00\n"},
         {"", "  Duration: 00:00:10.00\n"},
         ""},
        {"rest of a read waits", {"a\nb", "c\rd"}, {"a\n", "bc\r"}, "d"},
        {"CR LF cut between its two", {"x\r", "\ny"}, {"x\r", "\n"}, "y"},
        {"empty reads", {"", "a", ""}, {"", "", ""}, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineJoiner lines;
        std::vector<std::string> taken;
        for (const std::string& chunk : c.chunks) {
            taken.push_back(lines.Take(chunk));
        }
        EXPECT_EQ(taken, c.taken);
        EXPECT_EQ(lines.Flush(), c.flushed);
        EXPECT_EQ(lines.Flush(), "");
    }
}

TEST(LineJoiner, TextWithoutBreaksIsNotHoardedForever) {
    LineJoiner lines;
    const std::string block(LineJoiner::kMaxWaiting, 'x');
    EXPECT_EQ(lines.Take(block), "");
    EXPECT_EQ(lines.Take("yz"), block + "yz");
    EXPECT_EQ(lines.Flush(), "");
}

}  // namespace
}  // namespace kestrum
