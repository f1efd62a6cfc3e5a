// The control's member table, its properties and their handlers, its window.

#include "daq/orsino/orsino_ctrl.h"

#include <memory>

#include "daq/orsino/design_bitmap.h"
#include "daq/orsino/orsino_library.h"
#include "daq/orsino/orsino_messages.h"

namespace brennix::daq::orsino {

using com::Enumeration;
using com::PropType;

namespace {

std::shared_ptr<const Enumeration> enumeration(std::string name, std::vector<com::EnumValue> v) {
    return std::make_shared<const Enumeration>(Enumeration{std::move(name), std::move(v)});
}

const auto kTrigMode = enumeration("enumTrigMode", {{0, "adExternalTrig", "External triggering"},
                                                    {1, "adSoftTrig", "Software triggering"},
                                                    {2, "adTimerTrig", "Timer triggering"}});
const auto kOverallInputRange =
    enumeration("enumOverallInputRange", {{0, "AD_B_5_V", "Bipolar +/-  5V"},
                                          {1, "AD_B_2_5_V", "Bipolar +/- 2.5V"},
                                          {2, "AD_B_1_25_V", "Bipolar +/- 1.25V"},
                                          {3, "AD_B_0_625_V", "Bipolar +/- 0.625V"},
                                          {4, "AD_U_10_V", "Unipolar  0V - 10V"},
                                          {5, "AD_U_5_V", "Unipolar  0V -  5V"},
                                          {6, "AD_U_2_5_V", "Unipolar  0V -  2.5V"},
                                          {7, "AD_U_1_25_V", "Unipolar  0V -  1.25V"},
                                          {8, "AD_B_10_V", "Bipolar +/- 10V"}});
const auto kInputMode = enumeration("enumInputMode", {{0, "adSingleEnded", "Single-ended mode"},
                                                      {1, "adDifferential", "Differential mode"}});
const auto kAdGain = enumeration("enumAdGain", {{0, "AD_GAIN_1", "AD_GAIN_1"},
                                                {1, "AD_GAIN_2", "AD_GAIN_2"},
                                                {2, "AD_GAIN_4", "AD_GAIN_4"},
                                                {3, "AD_GAIN_8", "AD_GAIN_8"},
                                                {4, "AD_GAIN_16", "AD_GAIN_16"}});
const auto kTransferMode =
    enumeration("enumTransferMode", {{0, "adSoftPolling", "Software Polling"},
                                     {1, "adINITTransfer", "Interrupt Transfer"},
                                     {2, "adDMATransfer", "DMA Transfer"}});

}  // namespace

const com::MemberTable& CORSINOCtrl::table() {
    using C = CORSINOCtrl;
    static const com::MemberTable t =
        com::TableBuilder<C>("ORSINO")
            .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                    {.def = -1, .changed = &C::deviceNumberChanged})
            .property("TriggerMode", &C::m_triggerMode,
                      {.def = 1, .changed = &C::triggerModeChanged, .enumeration = kTrigMode})
            .property("OverallInputRange", &C::m_overallInputRange,
                      {.enumeration = kOverallInputRange})
            .property("EventEnabled", &C::m_eventEnabled, {.def = true})
            .property("InputMode", &C::m_inputMode, {.enumeration = kInputMode})
            .property("AdGain", &C::m_adGain, {.enumeration = kAdGain})
            .property<std::int32_t>("ErrorCode", &C::m_errorCode, {.readOnly = true})
            .property(
                "NumberOfSamples", &C::m_numberOfSamples,
                {.def = 1,
                 .limits = com::Limits<std::int32_t>{1, {}, std::string(text::kSamplesBelowOne)},
                 .accept = &C::acceptNumberOfSamples})
            .property(
                "SampleRate", &C::m_sampleRate,
                {.def = 1000.0,
                 .limits = com::Limits<double>{1000.0, {}, std::string(text::kRateBelow1000)}})
            .property("TransferMode", &C::m_transferMode,
                      {.changed = &C::transferModeChanged, .enumeration = kTransferMode})
            .property(
                "StartChannel", &C::m_startChannel,
                {.limits = com::Limits<std::int16_t>{0, {}, std::string(text::kNegativeChannel)}})
            .method("OpenDevice", &C::OpenDevice)
            .method("RawInput", &C::RawInput, {"Channel"})
            .method("AcquireStart", &C::AcquireStart)
            .method("AcquireStop", &C::AcquireStop)
            .stock(com::Stock::AboutBox)
            // Saved with the control, reachable through no interface.
            .property("StopChannel", &C::m_stopChannel, {.visibility = com::Visibility::Internal})
            .event("OnEventRaw", {{"DataCount", PropType::Int32}, {"Data", PropType::Variant}})
            .event("OnTerminated")
            .persistOrder({"TriggerMode", "TransferMode", "StartChannel", "StopChannel", "AdGain",
                           "InputMode", "OverallInputRange", "DeviceNumber", "NumberOfSamples",
                           "SampleRate", "ErrorCode", "EventEnabled"})
            .build();
    return t;
}

const com::MemberTable& CORSINOCtrl::members() const {
    return table();
}

CORSINOCtrl::CORSINOCtrl()
    : DeviceControl(ControlKind::Orsino, boardAdapters(),
                    {std::string(text::kAboutCaption), std::string(text::kAboutText)}) {}

bool CORSINOCtrl::acceptNumberOfSamples(std::int32_t /*value*/) {
    if (ambientUserMode()) {
        fail(text::kSamplesWhileRunning);
        return false;
    }
    return true;
}

void CORSINOCtrl::recomputeMode(Change change) {
    auto outcome = modeCodeFor(board(), m_triggerMode, m_transferMode);
    if (!outcome) {
        return;
    }
    if (outcome->refusal == ModeRefusal::None) {
        m_mode = outcome->code;
        return;
    }
    fail(outcome->refusal == ModeRefusal::Interrupt ? text::kNoIntTransfer : text::kNoDmaTransfer);
    m_mode = 0;
    if (change == Change::Transfer) {
        m_transferMode = 0;
    } else {
        m_triggerMode = 1;
    }
}

void CORSINOCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    const gfx::Bitmap& bitmap = designBitmap();
    auto source = canvas.createCompatible(bitmap.size());
    if (!source) {
        return;
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            source->setPixel({x, y}, bitmap.colorAt(x, y));
        }
    }
    canvas.blockCopy(
        {bounds.left, bounds.top, bounds.left + bitmap.width(), bounds.top + bitmap.height()},
        *source, {0, 0});
}

}  // namespace brennix::daq::orsino
