#pragma once
// Every text the analog-input control shows, beside those of the shared
// device code.

#include <string_view>

namespace brennix::daq::orsino::text {

// Properties.
inline constexpr std::string_view kSamplesBelowOne = "NumberOfSamples must larger than zero";
inline constexpr std::string_view kSamplesWhileRunning =
    "Don't set NumberOfSamples when it running";
inline constexpr std::string_view kRateBelow1000 = "SampleRate must larger than 1000";
inline constexpr std::string_view kNegativeChannel = "StartChannel must larger than 0";
inline constexpr std::string_view kNoIntTransfer = "Not support INT transfer in this controls";
inline constexpr std::string_view kNoDmaTransfer = "Not support DMA transfer in this controls";

// Input programming and single samples; a failed step of a board is shown
// with the texts of daq/common/input_texts.h.
inline constexpr std::string_view kSetChannelError = "Set channel error";
inline constexpr std::string_view kAllocateError = "Allocate memory error";
inline constexpr std::string_view kDeviceNotOpen = "Device not open";
inline constexpr std::string_view kIncorrectBoardType = "Incorrect board type";
inline constexpr std::string_view kInvalidBoardType = "Invalid board type";
inline constexpr std::string_view kGetDataError = "Get data error";
inline constexpr std::string_view kOutOfMemory = "out of memory";

// Block runs; what a board lacks is said in its adapter.
inline constexpr std::string_view kNotComplete = "Sampling not complete at pre-times";
inline constexpr std::string_view kNotIntOrDma = "Not set to INT or DMA transfer mode";
inline constexpr std::string_view kIntRateNotPositive = "m_sampleRate must a positive number";
inline constexpr std::string_view kDmaRateNotPositive = "m_sampleRate a positive number";
inline constexpr std::string_view kIntStartError = "INT transfer sampling data error";
inline constexpr std::string_view kDmaStartError = "DMA transfer sampling data error";
inline constexpr std::string_view kInitializeFirst = "please initialize board at first";
inline constexpr std::string_view kIrqModeFirst = "please set board IRQ mode at first";
inline constexpr std::string_view kDmaModeFirst = "please set board DMA mode at first";
inline constexpr std::string_view kNeverSetMode = "Never set IRQ or DMA mode";
inline constexpr std::string_view kTimeout = "Timeout error,check IRQ or DMA";

// About box.
inline constexpr std::string_view kAboutCaption = "About ORSINO Control";
inline constexpr std::string_view kAboutText = "ORSINO Control, Version 1.0";

}  // namespace brennix::daq::orsino::text
