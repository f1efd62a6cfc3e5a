#include <gtest/gtest.h>

#include "platform/com/message_box.h"

namespace brennix::com {
namespace {

TEST(MessageBoxService, ARecorderSeesEveryMessageAndRestoresTheHostDialog) {
    std::vector<Message> host;
    auto previous = installMessageHandler([&](const Message& m) { host.push_back(m); });
    {
        MessageRecorder recorder;
        showMessage("Couldn't open BraxVexa interrupt device\n");
        showMessage("Error", "", MessageOwner::Control);
        ASSERT_EQ(recorder.messages().size(), 2U);
        EXPECT_EQ(recorder.texts()[0], "Couldn't open BraxVexa interrupt device\n");
        EXPECT_EQ(recorder.messages()[1].owner, MessageOwner::Control);
    }
    showMessage("after");
    ASSERT_EQ(host.size(), 1U);
    EXPECT_EQ(host[0].text, "after");
    installMessageHandler(std::move(previous));
}

}  // namespace
}  // namespace brennix::com
