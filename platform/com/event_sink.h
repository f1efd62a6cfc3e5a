#pragma once
// A receiver of a control's events. Events are fired synchronously on the
// caller's thread; a sink may write back by-reference arguments.

#include <functional>
#include <memory>
#include <span>

#include "platform/com/dispatch.h"

namespace brennix::com {

class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void onEvent(DispId id, std::span<Variant> args) = 0;
};

// A sink over a function, for hosts and tests.
class FunctionSink final : public EventSink {
  public:
    using Handler = std::function<void(DispId, std::span<Variant>)>;
    explicit FunctionSink(Handler handler) : handler_(std::move(handler)) {}
    void onEvent(DispId id, std::span<Variant> args) override { handler_(id, args); }

  private:
    Handler handler_;
};

}  // namespace brennix::com
