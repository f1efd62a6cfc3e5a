#include "daq/sarnet/sarnet_ctrl.h"

#include "daq/common/io_messages.h"
#include "daq/common/timer_calls.h"
#include "daq/sarnet/sarnet_library.h"
#include "daq/sarnet/sarnet_messages.h"

namespace brennix::daq::sarnet {

namespace {

// The counter mode of a square wave.
constexpr std::int32_t kSquareWave = 3;

}  // namespace

const com::MemberTable& CSarnetCtrl::table() {
    using C = CSarnetCtrl;
    static const com::MemberTable t =
        com::TableBuilder<C>("Sarnet")
            .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                    {.def = -1, .changed = &C::deviceNumberChanged})
            .property<std::int32_t>("ErrorCode", &C::m_errorCode)
            .property(
                "PulseWidth", &C::m_pulseWidth,
                {.def = 4,
                 .limits =
                     com::Limits<std::int32_t>{1, {}, std::string(text::kPulseWidthTooSmall)}})
            .property(
                "Channel", &C::m_channel,
                {.limits =
                     com::Limits<std::int16_t>{0, 5, std::string(daq::text::kInvalidChannel)}})
            .method("OpenDevice", &C::OpenDevice)
            .method("EnablePulseOut", &C::EnablePulseOut, {"Enabled"})
            .stock(com::Stock::AboutBox)
            .persistOrder({"DeviceNumber", "Channel", "PulseWidth", "ErrorCode"})
            .build();
    return t;
}

const com::MemberTable& CSarnetCtrl::members() const {
    return table();
}

CSarnetCtrl::CSarnetCtrl()
    : DeviceControl(
          ControlKind::Sarnet, boardAdapters(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(96, 0, 128)}) {
}

bool CSarnetCtrl::EnablePulseOut(bool Enabled) {
    if (Enabled) {
        m_errorCode = timer::start(board(), m_channel, kSquareWave, m_pulseWidth, text::kOneTimer);
        if (m_errorCode != 0) {
            say(text::kStartError);
        }
    } else {
        // The count at stop means nothing for a pulse train.
        std::int32_t discarded = 0;
        m_errorCode = timer::stop(board(), m_channel, discarded);
        if (m_errorCode != 0) {
            say(text::kStopError);
        }
    }
    return m_errorCode == 0;
}

}  // namespace brennix::daq::sarnet
