// The Vexa library's state, its attach at load and its export table.

#include "drivers/vexa/vexa_library.h"

#include <array>

#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_state.h"

namespace brennix::drivers::vexa {
namespace {

const AttachAtLoad<Library, library> attachAtLoad;

const std::array kExports{
    ExportEntry{1, "W_Vexa_Initial", anyFunction(W_Vexa_Initial)},
    ExportEntry{2, "W_Vexa_Switch_Card_No", anyFunction(W_Vexa_Switch_Card_No)},
    ExportEntry{3, "W_Vexa_DI", anyFunction(W_Vexa_DI)},
    ExportEntry{4, "W_Vexa_DI_Channel", anyFunction(W_Vexa_DI_Channel)},
    ExportEntry{5, "W_Vexa_DO", anyFunction(W_Vexa_DO)},
    ExportEntry{6, "W_Vexa_DA", anyFunction(W_Vexa_DA)},
    ExportEntry{7, "W_Vexa_AD_Set_Channel", anyFunction(W_Vexa_AD_Set_Channel)},
    ExportEntry{8, "W_Vexa_AD_Set_Range", anyFunction(W_Vexa_AD_Set_Range)},
    ExportEntry{9, "W_Vexa_AD_Set_Mode", anyFunction(W_Vexa_AD_Set_Mode)},
    ExportEntry{10, "W_Vexa_AD_Soft_Trig", anyFunction(W_Vexa_AD_Soft_Trig)},
    ExportEntry{11, "W_Vexa_AD_Aquire", anyFunction(W_Vexa_AD_Aquire)},
    ExportEntry{12, "W_Vexa_CLR_IRQ", anyFunction(W_Vexa_CLR_IRQ)},
    ExportEntry{13, "W_Vexa_AD_DMA_Start", anyFunction(W_Vexa_AD_DMA_Start)},
    ExportEntry{14, "W_Vexa_AD_DMA_Status", anyFunction(W_Vexa_AD_DMA_Status)},
    ExportEntry{15, "W_Vexa_AD_DMA_Stop", anyFunction(W_Vexa_AD_DMA_Stop)},
    ExportEntry{16, "W_Vexa_AD_INT_Start", anyFunction(W_Vexa_AD_INT_Start)},
    ExportEntry{17, "W_Vexa_AD_INT_Status", anyFunction(W_Vexa_AD_INT_Status)},
    ExportEntry{18, "W_Vexa_AD_INT_Stop", anyFunction(W_Vexa_AD_INT_Stop)},
    ExportEntry{19, "W_Vexa_AD_Timer", anyFunction(W_Vexa_AD_Timer)},
    ExportEntry{20, "W_Vexa_TIMER_Start", anyFunction(W_Vexa_TIMER_Start)},
    ExportEntry{21, "W_Vexa_TIMER_Read", anyFunction(W_Vexa_TIMER_Read)},
    ExportEntry{22, "W_Vexa_TIMER_Stop", anyFunction(W_Vexa_TIMER_Stop)},
    ExportEntry{23, "W_Vexa_AD_Input_Mode", anyFunction(W_Vexa_AD_Input_Mode)},
};

}  // namespace

Library& library() {
    static Library state(
        AttachPolicy{kBraxVexaDeviceName, "Couldn't access USERDMA device\n", false});
    return state;
}

std::int32_t attachReport() {
    return library().frame.attachReport();
}

std::int32_t reload() {
    return library().reload();
}

std::span<const ExportEntry> exports() {
    return kExports;
}

}  // namespace brennix::drivers::vexa
