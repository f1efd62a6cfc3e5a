#pragma once
// An Olmi driver for the tests: records every call as text, answers from a
// script or passes the call on to another driver (the real library over the
// simulated board).

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "demos/common/olmi_driver.h"

namespace brennix::demos::testing {

class RecordingOlmi final : public OlmiDriver {
  public:
    explicit RecordingOlmi(OlmiDriver* inner = nullptr) : inner_(inner) {}

    std::vector<std::string> calls;
    std::int32_t initialResult = 0;
    // Samples the fake conversion returns in turn, with their return codes.
    struct Conversion {
        std::int32_t code;
        std::int32_t sample;
    };
    std::deque<Conversion> conversions;
    std::uint8_t inputPort = 0;

    std::int32_t Initial(std::int32_t card, std::int32_t base) override {
        note("Initial(" + std::to_string(card) + ", " + std::to_string(base) + ")");
        return inner_ != nullptr ? inner_->Initial(card, base) : initialResult;
    }
    std::int32_t DI(std::int32_t port, std::uint8_t* value) override {
        note("DI(" + std::to_string(port) + ")");
        if (inner_ != nullptr) {
            return inner_->DI(port, value);
        }
        *value = inputPort;
        return 0;
    }
    std::int32_t DO(std::int32_t port, std::int32_t value) override {
        note("DO(" + std::to_string(port) + ", " + std::to_string(value) + ")");
        return inner_ != nullptr ? inner_->DO(port, value) : 0;
    }
    std::int32_t DA(std::int32_t channel, std::int32_t value) override {
        note("DA(" + std::to_string(channel) + ", " + std::to_string(value) + ")");
        return inner_ != nullptr ? inner_->DA(channel, value) : 0;
    }
    std::int32_t AD_Set_Channel(std::int32_t channel) override {
        note("AD_Set_Channel(" + std::to_string(channel) + ")");
        return inner_ != nullptr ? inner_->AD_Set_Channel(channel) : 0;
    }
    std::int32_t AD_Set_Gain(std::int32_t gain) override {
        note("AD_Set_Gain(" + std::to_string(gain) + ")");
        return inner_ != nullptr ? inner_->AD_Set_Gain(gain) : 0;
    }
    std::int32_t AD_Set_Mode(std::int32_t mode) override {
        note("AD_Set_Mode(" + std::to_string(mode) + ")");
        return inner_ != nullptr ? inner_->AD_Set_Mode(mode) : 0;
    }
    std::int32_t AD_Aquire(std::int32_t* sample) override {
        note("AD_Aquire");
        if (inner_ != nullptr) {
            return inner_->AD_Aquire(sample);
        }
        if (conversions.empty()) {
            return 1;
        }
        const Conversion c = conversions.front();
        conversions.pop_front();
        if (c.code == 0) {
            *sample = c.sample;
        }
        return c.code;
    }
    std::int32_t CLR_IRQ() override {
        note("CLR_IRQ");
        return inner_ != nullptr ? inner_->CLR_IRQ() : 0;
    }

  private:
    void note(std::string call) { calls.push_back(std::move(call)); }
    OlmiDriver* inner_;
};

}  // namespace brennix::demos::testing
