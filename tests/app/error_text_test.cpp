#include <gtest/gtest.h>

#include "app/core/error_text.h"

namespace kestrum {
namespace {

TEST(UnhandledErrorText, AddsAFullStopAfterACharacterAboveIt) {
    const struct {
        std::string message;
        std::string shown;
    } cases[] = {
        {"Error while creating convert process!2", "Error while creating convert process!2."},
        {"Disk full", "Disk full."},
        {"Done.", "Done."},
        {"Stopped!", "Stopped!"},  // "!" is below "."
        {"Code (5)", "Code (5)"},  // ")" is below "."
        {"Path /", "Path /."},     // "/" is just above
        {"", ""},
        {"caf\xc3\xa9", "caf\xc3\xa9."},  // bytes above 127 count as above
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnhandledErrorText(c.message), c.shown) << c.message;
    }
}

}  // namespace
}  // namespace kestrum
