#include "tools/brennix-acquire/analog_input.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "daq/orsino/orsino_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/event_sink.h"
#include "platform/com/headless_site.h"
#include "platform/hw/clock.h"
#include "tools/brennix-acquire/stop_signals.h"

namespace brennix::acquire {
namespace {

// Event ids of the analog-input control's event interface.
constexpr com::DispId kOnEventRaw = 1;
// A polled run waits for its next sample in steps this long, so that a
// signal is seen soon even at slow rates.
constexpr std::uint32_t kLongestWaitMillis = 100;

class Session {
  public:
    Session(const RunRequest& request, const MessageRelay& messages, const RunHooks& hooks)
        : request_(request), messages_(messages), hooks_(hooks) {}

    ~Session() {
        if (control_) {
            control_->setSite(nullptr);
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    RunResult run() {
        if (!create() || !configure()) {
            return std::move(result_);
        }
        if (request_.transfer == Transfer::Polling) {
            poll();
        } else {
            block();
        }
        return std::move(result_);
    }

  private:
    bool create() {
        // Registering twice is harmless, so every run may do it.
        if (com::Status registered = daq::orsino::library().registerServer(); !registered.ok()) {
            return fail("the analog-input control could not be registered: " +
                        std::string(com::errorText(registered.error())));
        }
        auto created = com::ClassRegistry::process().create(kAnalogInputProgId);
        if (!created.ok()) {
            return fail("the analog-input control " + std::string(kAnalogInputProgId) +
                        " could not be created: " + std::string(com::errorText(created.error())));
        }
        control_ = *created;
        // NumberOfSamples may only be set while the form is designed.
        site_.ambientProperties().userMode = false;
        site_.attach(*control_);
        control_->advise(std::make_shared<com::FunctionSink>(
            [this](com::DispId id, std::span<com::Variant> args) { onEvent(id, args); }));
        return true;
    }

    bool configure() {
        const bool block = request_.transfer != Transfer::Polling;
        const auto rangeOrGain = static_cast<std::int16_t>(request_.rangeOrGain);
        if (!put("DeviceNumber", request_.device) ||
            !put("TriggerMode", static_cast<std::int16_t>(block ? 2 : 1)) ||
            !put("TransferMode", static_cast<std::int16_t>(request_.transfer)) ||
            !put("StartChannel", static_cast<std::int16_t>(request_.channel)) ||
            !put("InputMode", static_cast<std::int16_t>(request_.differential ? 1 : 0)) ||
            !put("EventEnabled", block)) {
            return false;
        }
        if (request_.family == BoardFamily::Vexa) {
            // Block runs program the Vexa range register from AdGain.
            if (!put("OverallInputRange", rangeOrGain) || !put("AdGain", rangeOrGain)) {
                return false;
            }
        } else if (!put("AdGain", rangeOrGain)) {
            return false;
        }
        if (block &&
            (!put("NumberOfSamples", request_.count) || !put("SampleRate", request_.rate))) {
            return false;
        }
        std::size_t before = messages_.shown();
        if (!call("OpenDevice") || messages_.shown() != before) {
            return fail("device " + std::to_string(request_.device) + " could not be opened" +
                        errorCodeText());
        }
        return true;
    }

    // Waits until `due`, or until a signal asks to stop; true when it is time.
    bool waitUntil(std::uint64_t due) {
        for (std::uint64_t now = hw::nowMicroseconds(); now < due; now = hw::nowMicroseconds()) {
            if (stopSignal() != 0) {
                return false;
            }
            auto millis = static_cast<std::uint32_t>(
                std::min<std::uint64_t>((due - now + 999) / 1000, kLongestWaitMillis));
            hw::sleep(millis);
        }
        return stopSignal() == 0;
    }

    int stopSignal() const { return hooks_.stopRequested ? hooks_.stopRequested() : 0; }

    void poll() {
        result_.samples.reserve(static_cast<std::size_t>(request_.count));
        result_.takenAtMicros.reserve(static_cast<std::size_t>(request_.count));
        const double periodMicros = 1e6 / request_.rate;
        const std::uint64_t start = hw::nowMicroseconds();
        for (std::int32_t k = 0; k < request_.count; ++k) {
            // Never early; late by at most the clock's millisecond.
            if (!waitUntil(start + static_cast<std::uint64_t>(std::llround(k * periodMicros)))) {
                result_.signal = stopSignal();
                result_.outcome = Outcome::Interrupted;
                result_.problem = "stopped by " + std::string(signalName(result_.signal)) +
                                  " after " + std::to_string(k) + " of " +
                                  std::to_string(request_.count) + " samples";
                return;
            }
            const std::uint64_t takenAt = hw::nowMicroseconds();
            std::size_t before = messages_.shown();
            auto value = control_->call("RawInput", {static_cast<std::int16_t>(request_.channel)});
            std::int32_t code = value.ok() ? value->toInt32().valueOr(-1) : -1;
            if (code < 0 || messages_.shown() != before || errorCode() != 0) {
                fail("sample " + std::to_string(k) + " could not be read" + errorCodeText());
                return;
            }
            result_.samples.push_back(code);
            result_.takenAtMicros.push_back(takenAt);
            if (hooks_.polled) {
                hooks_.polled(k + 1, request_.count);
            }
        }
        result_.outcome = Outcome::Complete;
    }

    void block() {
        const std::string run = std::string(transferName(request_.transfer)) + " run";
        const std::size_t before = messages_.shown();
        if (hooks_.blockWaiting) {
            hooks_.blockWaiting();
        }
        auto started = control_->call("AcquireStart");
        const bool timedOut = messages_.shownSince(before, kTimeoutMessage);
        if (!started.ok() || !started->toBool().valueOr(false)) {
            fail("the " + run + " did not start" + errorCodeText());
            return;
        }
        if (!delivered_) {
            // The wait ended without a delivery and left the transfer
            // running; its stop may still hand over what was collected.
            (void)control_->call("AcquireStop");
        }
        judgeBlock(timedOut, before);
        if (hooks_.blockDone) {
            hooks_.blockDone(result_.samples.size());
        }
    }

    void judgeBlock(bool timedOut, std::size_t messagesBefore) {
        const std::string run = std::string(transferName(request_.transfer)) + " run";
        auto wanted = static_cast<std::size_t>(request_.count);
        if (timedOut && request_.transfer == Transfer::Dma) {
            // The DMA stop reports the count asked for, whatever arrived:
            // nothing tells the samples taken from the buffer's fill.
            std::size_t handed = result_.samples.size();
            result_.samples.clear();
            result_.outcome = Outcome::TimedOut;
            result_.problem = "the dma run timed out; its stop hands over all " +
                              std::to_string(handed) +
                              " samples whatever arrived, so none of them can be trusted "
                              "and none were kept";
            return;
        }
        if (timedOut) {
            result_.outcome = Outcome::TimedOut;
            result_.problem = "the " + run + " timed out after the control's 5 s wait with " +
                              std::to_string(result_.samples.size()) + " of " +
                              std::to_string(request_.count) + " samples";
            return;
        }
        if (!delivered_) {
            fail("the control delivered no samples" + errorCodeText());
            return;
        }
        if (result_.samples.size() < wanted) {
            result_.outcome = Outcome::Incomplete;
            result_.problem = "only " + std::to_string(result_.samples.size()) + " of " +
                              std::to_string(request_.count) + " samples arrived";
            return;
        }
        if (messages_.shown() != messagesBefore) {
            fail("the control reported a problem during the run");
            return;
        }
        result_.samples.resize(wanted);
        result_.outcome = Outcome::Complete;
    }

    void onEvent(com::DispId id, std::span<com::Variant> args) {
        if (id != kOnEventRaw || args.size() < 2 || delivered_) {
            return;
        }
        delivered_ = true;
        // The array lives only for the event: copy it now. The count the
        // event names bounds what is taken from it.
        const com::SafeArray* array = args[1].array();
        const std::int64_t named = args[0].toInt32().valueOr(0);
        if (array == nullptr || named <= 0) {
            return;
        }
        const std::int64_t last = std::min(array->upperBound(), array->lowerBound() + named - 1);
        result_.samples.reserve(static_cast<std::size_t>(last - array->lowerBound() + 1));
        for (std::int64_t i = array->lowerBound(); i <= last; ++i) {
            auto value = array->get(i);
            if (!value.ok()) {
                break;
            }
            result_.samples.push_back(value->toInt32().valueOr(0));
        }
    }

    bool put(std::string_view property, com::Variant value) {
        std::size_t before = messages_.shown();
        com::Status status = control_->put(property, std::move(value));
        if (!status.ok()) {
            return fail("the control refused " + std::string(property) + ": " +
                        std::string(com::errorText(status.error())));
        }
        if (messages_.shown() != before) {
            return fail("the control refused " + std::string(property));
        }
        return true;
    }

    bool call(std::string_view method) {
        auto answer = control_->call(method);
        return answer.ok() && answer->toBool().valueOr(false);
    }

    std::int32_t errorCode() {
        auto code = control_->get("ErrorCode");
        return code.ok() ? code->toInt32().valueOr(-1) : -1;
    }

    std::string errorCodeText() {
        std::int32_t code = errorCode();
        return code == 0 ? std::string{} : " (ErrorCode " + std::to_string(code) + ")";
    }

    bool fail(std::string problem) {
        if (result_.problem.empty()) {
            result_.problem = std::move(problem);
        }
        result_.outcome = Outcome::Failed;
        return false;
    }

    const RunRequest& request_;
    const MessageRelay& messages_;
    const RunHooks& hooks_;
    com::HeadlessSite site_;
    std::shared_ptr<com::Control> control_;
    bool delivered_ = false;
    RunResult result_;
};

}  // namespace

RunResult runAcquisition(const RunRequest& request, const MessageRelay& messages,
                         const RunHooks& hooks) {
    Session session(request, messages, hooks);
    return session.run();
}

}  // namespace brennix::acquire
