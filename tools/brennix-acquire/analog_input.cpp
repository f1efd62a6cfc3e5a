#include "tools/brennix-acquire/analog_input.h"

#include <cmath>
#include <memory>

#include "daq/orsino/orsino_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/event_sink.h"
#include "platform/com/headless_site.h"
#include "platform/hw/clock.h"

namespace brennix::acquire {
namespace {

// Event ids of the analog-input control's event interface.
constexpr com::DispId kOnEventRaw = 1;

class Session {
  public:
    Session(const RunRequest& request, const MessageRelay& messages)
        : request_(request), messages_(messages) {}

    ~Session() {
        if (control_) {
            control_->setSite(nullptr);
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    RunResult run(const Progress& progress) {
        if (!create() || !configure()) {
            return std::move(result_);
        }
        if (request_.transfer == Transfer::Polling) {
            poll(progress);
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

    void poll(const Progress& progress) {
        result_.samples.reserve(static_cast<std::size_t>(request_.count));
        const double periodMicros = 1e6 / request_.rate;
        const std::uint64_t start = hw::nowMicroseconds();
        for (std::int32_t k = 0; k < request_.count; ++k) {
            // Never early; late by at most the clock's millisecond.
            auto due = start + static_cast<std::uint64_t>(std::llround(k * periodMicros));
            if (std::uint64_t now = hw::nowMicroseconds(); now < due) {
                hw::sleep(static_cast<std::uint32_t>((due - now + 999) / 1000));
            }
            std::size_t before = messages_.shown();
            auto value = control_->call("RawInput", {static_cast<std::int16_t>(request_.channel)});
            std::int32_t code = value.ok() ? value->toInt32().valueOr(-1) : -1;
            if (code < 0 || messages_.shown() != before || errorCode() != 0) {
                fail("sample " + std::to_string(k) + " could not be read" + errorCodeText());
                return;
            }
            result_.samples.push_back(code);
            if (progress) {
                progress(k + 1, request_.count);
            }
        }
        result_.complete = true;
    }

    void block() {
        std::size_t before = messages_.shown();
        auto started = control_->call("AcquireStart");
        if (!started.ok() || !started->toBool().valueOr(false)) {
            fail("the " + std::string(transferName(request_.transfer)) + " run did not start" +
                 errorCodeText());
            return;
        }
        if (!delivered_) {
            fail("the control delivered no samples" + errorCodeText());
            return;
        }
        auto wanted = static_cast<std::size_t>(request_.count);
        if (result_.samples.size() < wanted) {
            fail("only " + std::to_string(result_.samples.size()) + " of " +
                 std::to_string(request_.count) + " samples arrived");
            return;
        }
        if (messages_.shown() != before) {
            fail("the control reported a problem during the run");
            return;
        }
        result_.samples.resize(wanted);
        result_.complete = true;
    }

    void onEvent(com::DispId id, std::span<com::Variant> args) {
        if (id != kOnEventRaw || args.size() < 2 || delivered_) {
            return;
        }
        delivered_ = true;
        // The array lives only for the event: copy it now.
        if (const com::SafeArray* array = args[1].array()) {
            result_.samples.reserve(array->count());
            for (std::int64_t i = array->lowerBound(); i <= array->upperBound(); ++i) {
                result_.samples.push_back(array->get(i)->toInt32().valueOr(0));
            }
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
        result_.complete = false;
        return false;
    }

    const RunRequest& request_;
    const MessageRelay& messages_;
    com::HeadlessSite site_;
    std::shared_ptr<com::Control> control_;
    bool delivered_ = false;
    RunResult result_;
};

}  // namespace

RunResult runAcquisition(const RunRequest& request, const MessageRelay& messages,
                         const Progress& progress) {
    Session session(request, messages);
    return session.run(progress);
}

}  // namespace brennix::acquire
