#pragma once
// The Pipe control: an elbow, a straight run or a joint that shows flow by
// blinking. Window timer 1 invalidates the pipe every `Interval`
// milliseconds, and every paint of an elbow or a run alternates its body
// between `PipeColor` and half of it, whatever caused the paint.

#include <cstdint>

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

class CPipeCtrl final : public CEquipmentCtrl {
  public:
    static constexpr std::uint32_t kFlowTimer = 1;

    CPipeCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    void StartTimer();
    void StopTimer();

    // True when the next paint of a flowing style is in the full colour.
    bool fullPhaseNext() const { return m_fullPhase; }

  protected:
    Palette palette(const SymbolStyle& style) override;
    void onTimer(std::uint32_t id) override;
    void onWindowCreated() override { StartTimer(); }
    void onPropertiesLoaded() override;

  private:
    friend class com::TableBuilder<CPipeCtrl>;

    std::int32_t m_interval = 1000;
    bool m_edge = true;

    bool m_fullPhase = true;
    bool m_inTick = false;
    bool m_timerRunning = false;
};

}  // namespace brennix::equipment
