#include <gtest/gtest.h>

#include "demos/common/demo_main.h"

namespace brennix::demos {
namespace {

TEST(DemoCommandLine, SnapshotAndRunForAreRead) {
    const auto parsed = parseDemoOptions({"--snapshot", "out.png", "--run-for=1500"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->snapshot, "out.png");
    EXPECT_EQ(parsed.options->runForMs, 1500);
}

TEST(DemoCommandLine, WrongLinesAreRefusedWithTheReason) {
    EXPECT_FALSE(parseDemoOptions({"--run-for", "-5"}).options);
    EXPECT_FALSE(parseDemoOptions({"--run-for", "soon"}).options);
    EXPECT_FALSE(parseDemoOptions({"--snapshot"}).options);
    EXPECT_FALSE(parseDemoOptions({"--colour"}).options);
    const auto stray = parseDemoOptions({"form.ui"});
    EXPECT_FALSE(stray.options);
    EXPECT_TRUE(stray.error.contains("form.ui"));
}

}  // namespace
}  // namespace brennix::demos
