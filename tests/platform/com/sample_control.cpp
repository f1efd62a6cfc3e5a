#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

const auto kEnumMode =
    std::make_shared<const Enumeration>(Enumeration{"enumMode",
                                                    {{0, "smExternal", "External triggering"},
                                                     {1, "smSoftware", "Software triggering"},
                                                     {2, "smTimer", "Timer triggering"}}});

}  // namespace

const MemberTable& CSampleCtrl::table() {
    using C = CSampleCtrl;
    static const MemberTable t =
        TableBuilder<C>("Sample")
            .stock(Stock::BackColor)
            .stock(Stock::Caption)
            .stock(Stock::Font)
            .stock(Stock::ForeColor)
            .stock(Stock::Enabled)
            .stock(Stock::Refresh)
            .stock(Stock::AboutBox)
            .property(
                "PlotNum", &C::m_plotNum,
                {.def = 1, .bounds = Bounds<std::int16_t>{1, 8, 1, std::string(kPlotNumMessage)}})
            .property("SampleRate", &C::m_sampleRate, {.def = 1000, .accept = &C::acceptSampleRate})
            .property("ErrorCode", &C::m_errorCode, {.readOnly = true})
            .property("Mode", &C::m_mode,
                      {.def = 1, .changed = &C::modeChanged, .enumeration = kEnumMode})
            .property("Title", &C::m_title, {.def = "Sample", .persistName = "SampleTitle"})
            .property("LineColor", &C::m_lineColor, {.def = 0xFF00FF})
            .property("BkColor", &C::m_bkColor, {.defaultFrom = &C::backColor})
            .property("Interval", &C::m_interval, {.def = 1000})
            .property("Style", &C::m_style, {.visibility = Visibility::Unlisted})
            .property("StopChannel", &C::m_stopChannel, {.visibility = Visibility::Internal})
            .property("Percent", &C::percent, &C::setPercent,
                      {.bounds = Bounds<double>{0, 100, 0, "Percent must between 0 to 100"},
                       .persisted = false})
            .method("Average", &C::average, {"a", "b"})
            .method("StartTimer", &C::startTimer)
            .method("StopTimer", &C::stopTimer)
            .event("OnDone", {{"Count", PropType::Int32}, {"Data", PropType::Variant}})
            .event("OnTerminated")
            .stockEvents()
            .persistOrder({"Mode",
                           "PlotNum",
                           "SampleRate",
                           "SampleTitle",
                           "LineColor",
                           "BkColor",
                           "StopChannel",
                           "ErrorCode",
                           "Style",
                           "Interval",
                           {"Interval", Variant(std::int32_t{500})}})
            .build();
    return t;
}

const MemberTable& CSampleCtrl::members() const {
    return table();
}

bool CSampleCtrl::acceptSampleRate(double value) {
    if (value < 1000) {
        showControlMessage(kSampleRateMessage);
        m_errorCode = -1;
        return false;
    }
    return true;
}

bool CSampleCtrl::startTimer() {
    return setTimer(1, static_cast<std::uint32_t>(m_interval));
}

void CSampleCtrl::onTimer(std::uint32_t id) {
    if (id == 1) {
        ++m_ticks;
        invalidate();
    }
}

// Keeps the height at half the width in pixels: a new width sets the height,
// an unchanged width lets the height set the width.
gfx::Size CSampleCtrl::onExtentProposed(gfx::Size himetric) {
    gfx::Size px = hiMetricToPixels(himetric, pixelsPerInch());
    if (px.cx == m_lastWidth) {
        px.cx = px.cy * 2;
    } else {
        px.cy = px.cx / 2;
    }
    m_lastWidth = px.cx;
    return pixelsToHiMetric(px, pixelsPerInch());
}

Status CSampleCtrl::fireDone(std::int32_t count, Variant data) {
    return fireEvent("OnDone", {Variant(count), std::move(data)});
}

}  // namespace brennix::com::testing
