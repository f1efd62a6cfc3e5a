#pragma once
// The message-box service as the hosting layer names it.

#include "platform/ui/message_box.h"

namespace brennix::com {
using ui::installMessageHandler;
using ui::Message;
using ui::MessageHandler;
using ui::MessageOwner;
using ui::MessageRecorder;
using ui::showMessage;
}  // namespace brennix::com
