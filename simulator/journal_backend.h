#pragma once
// A backend without boards for tests that only look at what was sent: port
// reads answer from the script or 0xFF, writes are journaled, the known
// devices open and answer control calls from scripted replies.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/hw/backend.h"
#include "simulator/journal.h"

namespace brennix::sim {

class JournalBackend final : public hw::Backend {
  public:
    JournalBackend();

    std::string_view name() const override { return "journal"; }
    std::uint8_t readByte(hw::PortAddress port) override;
    void writeByte(hw::PortAddress port, std::uint8_t value) override;
    std::unique_ptr<hw::Device> openDevice(std::string_view name) override;

    Journal& journal() { return state_->journal; }
    ReadScript& script() { return state_->script; }

    // Opening fails for a device made unavailable ("\\.\dio", "\\.\BraxVexa"
    // and "\\.\Braxon" are available at first).
    void setDeviceAvailable(std::string_view name, bool available);

    // The next control call with this code succeeds (or fails) and returns
    // these bytes (truncated to the caller's buffer); without a reply a call
    // succeeds and returns nothing.
    void queueReply(std::uint32_t code, std::vector<std::uint8_t> output, bool ok = true);

  private:
    struct Reply {
        std::vector<std::uint8_t> output;
        bool ok = true;
    };
    struct State {
        Journal journal;
        ReadScript script;
        std::set<std::string> available;
        std::map<std::uint32_t, std::deque<Reply>> replies;
    };
    class FakeDevice;
    std::shared_ptr<State> state_;
};

}  // namespace brennix::sim
