#pragma once
// A control that exists only for the tests: one of each kind of member the
// real controls declare.

#include <cstdint>
#include <string>

#include "platform/com/control.h"

namespace brennix::com::testing {

class CSampleCtrl final : public Control {
  public:
    static constexpr std::string_view kPlotNumMessage = "PlotNum must between 1 to 8";
    static constexpr std::string_view kSampleRateMessage = "SampleRate must larger than 1000";

    const MemberTable& members() const override;
    static const MemberTable& table();

    std::int16_t plotNum() const { return m_plotNum; }
    double sampleRate() const { return m_sampleRate; }
    std::int32_t errorCode() const { return m_errorCode; }
    std::int16_t stopChannel() const { return m_stopChannel; }
    std::int16_t modeChanges() const { return m_modeChanges; }
    int ticks() const { return m_ticks; }
    double fraction() const { return m_fraction; }
    int windowsCreated() const { return m_windowsCreated; }

    // Test-side access to what the control fires itself.
    Status fireDone(std::int32_t count, Variant data);
    Status fireWithArgs(std::vector<Variant> args) { return fireEvent(1, std::move(args)); }
    // Marks the client area's bottom right pixel at once, outside a paint.
    void markCorner() {
        drawOnWindow([](gfx::Canvas& canvas, const gfx::Rect& client) {
            canvas.setPixel({client.right - 1, client.bottom - 1}, gfx::rgb(255, 0, 0));
        });
    }

  protected:
    gfx::Size onExtentProposed(gfx::Size himetric) override;
    void onTimer(std::uint32_t id) override;
    void onWindowCreated() override { ++m_windowsCreated; }
    AboutInfo about() const override {
        return {"About SAMPLE Control", "SAMPLE Control, Version 1.0"};
    }

  private:
    friend class TableBuilder<CSampleCtrl>;

    bool acceptSampleRate(double value);
    void modeChanged() { ++m_modeChanges; }
    double average(double a, double b) { return (a + b) / 2; }
    double percent() const { return m_fraction * 100; }
    void setPercent(double value) { m_fraction = value / 100; }
    bool startTimer();
    void stopTimer() { killTimer(1); }

    std::int16_t m_plotNum = 0;
    double m_sampleRate = 0;
    std::int32_t m_errorCode = 0;
    std::int16_t m_mode = 0;
    std::string m_title;
    gfx::ColorRef m_lineColor = 0;
    gfx::ColorRef m_bkColor = 0;
    std::int32_t m_interval = 0;
    std::int32_t m_style = 0;
    std::int16_t m_stopChannel = 0;
    double m_fraction = 0;
    std::int16_t m_modeChanges = 0;
    int m_ticks = 0;
    int m_lastWidth = 0;
    int m_windowsCreated = 0;
};

}  // namespace brennix::com::testing
