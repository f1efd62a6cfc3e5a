#include "equipment/control/pipe_ctrl.h"

#include <algorithm>
#include <memory>

#include "equipment/draw/pipe_symbols.h"
#include "equipment/draw/shades.h"

namespace brennix::equipment {
namespace {

// Any other value shows "Invalid pipe type." on every paint.
const auto kPipeStyles = std::make_shared<const com::Enumeration>(com::Enumeration{
    "PipeStyle",
    {{0, "Elbow_BottomRight", "an elbow joining the bottom edge and the right edge"},
     {1, "Elbow_LeftBottom", "an elbow joining the left edge and the bottom edge"},
     {2, "Elbow_TopRight", "an elbow joining the top edge and the right edge"},
     {3, "Elbow_LeftTop", "an elbow joining the left edge and the top edge"},
     {4, "Run_Horizontal", "a horizontal straight run"},
     {5, "Run_Vertical", "a vertical straight run"},
     {6, "Joint_Vertical", "a vertical joint"},
     {7, "Joint_Horizontal", "a horizontal joint"}}});

}  // namespace

CPipeCtrl::CPipeCtrl() : CEquipmentCtrl(pipeStyles()) {}

const com::MemberTable& CPipeCtrl::table() {
    using C = CPipeCtrl;
    static const com::MemberTable members =
        com::TableBuilder<C>("Pipe")
            .stock(com::Stock::BackColor)
            .stock(com::Stock::Enabled)
            .property<std::int16_t>("PipeStyle", &C::m_style,
                                    {.def = 0, .changed = &C::styleChanged, .codes = kPipeStyles})
            .property<gfx::ColorRef>("PipeColor", &C::m_color, {.def = gfx::rgb(255, 255, 255)})
            .property("Interval", &C::m_interval, {.def = 1000, .changed = &C::StartTimer})
            .property("Edge", &C::m_edge, {.def = true})
            .method("StartTimer", &C::StartTimer)
            .method("StopTimer", &C::StopTimer)
            .stock(com::Stock::AboutBox)
            .stockEvents()
            .build();
    return members;
}

const com::MemberTable& CPipeCtrl::members() const {
    return table();
}

void CPipeCtrl::StartTimer() {
    // A period below zero means nothing; the site ticks as fast as it allows.
    const auto period = static_cast<std::uint32_t>(std::max<std::int32_t>(m_interval, 0));
    // Without a window, or when the site refuses, the pipe simply stands still.
    m_timerRunning = setTimer(kFlowTimer, period);
}

void CPipeCtrl::StopTimer() {
    killTimer(kFlowTimer);
    m_timerRunning = false;
}

void CPipeCtrl::onTimer(std::uint32_t /*id*/) {
    // A tick that arrives while the invalidation of the last is still under
    // way must not invalidate again.
    if (m_inTick) {
        return;
    }
    m_inTick = true;
    invalidate();
    m_inTick = false;
}

void CPipeCtrl::onPropertiesLoaded() {
    // A loaded Interval takes over a running timer.
    if (m_timerRunning) {
        StartTimer();
    }
}

Palette CPipeCtrl::palette(const SymbolStyle& style) {
    Palette p = CEquipmentCtrl::palette(style);
    p.edge = m_edge;
    if (style.flows) {
        if (!m_fullPhase) {
            p.symbol = halved(p.symbol);
        }
        m_fullPhase = !m_fullPhase;
    }
    return p;
}

}  // namespace brennix::equipment
