#include "daq/tolvan/tolvan_ctrl.h"

#include <vector>

#include "daq/common/io_messages.h"
#include "daq/common/timer_calls.h"
#include "daq/tolvan/tolvan_library.h"
#include "daq/tolvan/tolvan_messages.h"

namespace brennix::daq::tolvan {

namespace {

// Counts down from the preset and stops at terminal count.
constexpr std::int32_t kEventCount = 0;

}  // namespace

const com::MemberTable& CTolvanCtrl::table() {
    using C = CTolvanCtrl;
    static const com::MemberTable t = [] {
        com::MemberTable built =
            com::TableBuilder<C>("Tolvan")
                .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                        {.def = -1, .changed = &C::deviceNumberChanged})
                .property<std::int32_t>("ErrorCode", &C::m_errorCode)
                .property(
                    "PresetValue", &C::m_presetValue,
                    {.def = 65535,
                     .limits = com::Limits<std::int32_t>{0, 65535,
                                                         std::string(text::kInvalidPresetValue)}})
                .property("CounterValue", &C::m_counterValue,
                          {.readOnly = true, .persisted = false})
                .property(
                    "Channel", &C::m_channel,
                    {.limits =
                         com::Limits<std::int16_t>{0, 5, std::string(daq::text::kInvalidChannel)}})
                .method("OpenDevice", &C::OpenDevice)
                .method("EnableCounter", &C::EnableCounter, {"Enabled"})
                .stock(com::Stock::AboutBox)
                // Saving and loading see the stored count, never the board.
                .property("StoredCounterValue", &C::m_counterValue,
                          {.visibility = com::Visibility::Internal, .persistName = "CounterValue"})
                .persistOrder(
                    {"DeviceNumber", "PresetValue", "CounterValue", "Channel", "ErrorCode"})
                .build();
        // The interface's read of CounterValue asks the board first.
        std::vector<com::Member> members(built.members().begin(), built.members().end());
        for (auto& member : members) {
            if (member.name == "CounterValue") {
                member.get = [](const com::AutomationObject& object) {
                    // Controls are never created const; reading has an effect.
                    auto& control = const_cast<C&>(static_cast<const C&>(object));
                    return com::Variant(control.CounterValue());
                };
            }
        }
        std::vector<com::PersistEntry> persisted(built.persisted().begin(),
                                                 built.persisted().end());
        return com::MemberTable(built.className(), std::move(members), std::move(persisted));
    }();
    return t;
}

const com::MemberTable& CTolvanCtrl::members() const {
    return table();
}

CTolvanCtrl::CTolvanCtrl()
    : DeviceControl(
          ControlKind::Tolvan, boardAdapters(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(0, 96, 128)}) {
}

std::int32_t CTolvanCtrl::CounterValue() {
    if (!opened()) {
        return m_counterValue;
    }
    std::int32_t count = m_counterValue;
    m_errorCode = timer::read(board(), m_channel, count);
    if (m_errorCode != 0) {
        say(text::kReadError);
    } else {
        m_counterValue = count;
    }
    return m_counterValue;
}

bool CTolvanCtrl::EnableCounter(bool Enabled) {
    if (Enabled) {
        m_errorCode = timer::start(board(), m_channel, kEventCount, m_presetValue, text::kOneTimer);
        if (m_errorCode != 0) {
            say(text::kStartError);
        }
    } else {
        std::int32_t count = m_counterValue;
        m_errorCode = timer::stop(board(), m_channel, count);
        if (m_errorCode != 0) {
            say(text::kStopError);
        } else {
            m_counterValue = count;
        }
    }
    return m_errorCode == 0;
}

}  // namespace brennix::daq::tolvan
