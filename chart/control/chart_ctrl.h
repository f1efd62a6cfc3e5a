#pragma once
// The Chart control: up to eight real-time traces fed one sample per plot at
// a time by PlotCharts, kept in history rings and shown through a window that
// scrolls (strip), pages (scope) or pages under a moving cursor (sweep),
// overlaid in one plot area or stacked in bands.
//
// Its properties live here; the history, the axes and the traces are drawn
// from them by chart/history and chart/render.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "chart/axes/chart_appearance.h"
#include "chart/history/chart_history.h"
#include "chart/render/chart_paint.h"
#include "chart/render/plot_style.h"
#include "platform/com/control.h"

namespace brennix::chart {

namespace detail {
template <class T>
struct PlotFieldType;
template <class T>
struct PlotFieldType<T PlotStyle::*> {
    using type = T;
};
}  // namespace detail

// The type of a per-plot property held in PlotStyle.
template <auto Field>
using PlotField = typename detail::PlotFieldType<decltype(Field)>::type;

class CChartCtrl final : public com::Control {
  public:
    static constexpr int kPlots = ChartHistory::kMaxPlots;

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    // Methods, as dispatch calls them.
    void InitControl();
    void ReleaseControl();
    void ClearCharts();
    void ResetControl();
    void PlotCharts(com::Variant data);

    bool paintsEveryPixel() const override { return true; }  // drawn whole, then copied
    // What a paint is drawn from.
    ChartAppearance appearance() const;
    const PlotStyles& plotStyles() const { return m_plots; }
    const ChartHistory& history() const { return m_history; }

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;
    void onPropertiesLoaded() override;

  private:
    friend class com::TableBuilder<CChartCtrl>;

    template <auto Field, std::size_t... I>
    static void addPlotFamily(com::TableBuilder<CChartCtrl>& builder, const char* name,
                              com::Prop<CChartCtrl, PlotField<Field>> (*options)(std::size_t),
                              std::index_sequence<I...>);

    template <std::size_t I, auto Field>
    PlotField<Field> plotValue() const {
        return m_plots[I].*Field;
    }
    template <std::size_t I, auto Field>
    void setPlotValue(PlotField<Field> value) {
        m_plots[I].*Field = value;
    }

    // The window start moves with the data, so the history holds it.
    std::int32_t startNum() const { return m_history.startNum(); }
    void setStartNum(std::int32_t value) { m_history.setStartNum(value); }
    void startNumChanged();

    // PlotNum, HistoryLength, UpdateMode and ViewNum shape the history.
    void syncHistory();
    void show(const HistoryMessages& messages);

    gfx::ColorRef m_bkColor = 0;
    std::int16_t m_plotNum = 1;
    gfx::ColorRef m_plotAreaColor = 0;
    std::int16_t m_plotMode = PM_Overlaid;
    std::int16_t m_updateMode = UM_Strip;
    std::int32_t m_historyLength = 1024;
    std::int16_t m_format = 0;
    std::int16_t m_formatClass = 0;
    std::int16_t m_xAxisFormat = 0;
    std::int16_t m_xAxisFormatClass = 0;
    std::int32_t m_timeInterval = 1;
    std::int16_t m_timeBase0 = 1;
    std::int16_t m_timeBase1 = 1;
    std::int16_t m_timeBase2 = 1;
    std::int16_t m_ySpacingMinor = 2;
    std::int16_t m_ySpacingMajor = 10;
    bool m_yMajorTickMark = true;
    gfx::ColorRef m_yMajorTickColor = 0;
    bool m_yMinorTickMark = true;
    gfx::ColorRef m_yMinorTickColor = 0;
    double m_scaleMaximum = 10.0;
    double m_scaleMinimum = 0.0;
    bool m_yTickLeft = true;
    bool m_yTickRight = false;
    bool m_yLabelLeft = true;
    bool m_yLabelRight = false;
    bool m_xTickBottom = true;
    bool m_xTickAbove = false;
    bool m_xLabelAbove = false;
    bool m_xLabelBottom = true;
    bool m_xMajorTickMark = true;
    bool m_xMinorTickMark = true;
    gfx::ColorRef m_xMajorTickColor = 0;
    gfx::ColorRef m_xMinorTickColor = 0;
    gfx::ColorRef m_yLabelColor = 0;
    bool m_yGridMajor = false;
    bool m_yGridMinor = false;
    gfx::ColorRef m_yGridMajorColor = gfx::rgb(255, 0, 0);
    gfx::ColorRef m_yGridMinorColor = gfx::rgb(0, 255, 0);
    bool m_xGridMajor = false;
    bool m_xGridMinor = false;
    gfx::ColorRef m_xGridMajorColor = gfx::rgb(0, 0, 255);
    gfx::ColorRef m_xGridMinorColor = gfx::rgb(0, 255, 255);
    std::int32_t m_viewNum = 100;
    std::int16_t m_xSpacingMajor = 4;
    std::int16_t m_xSpacingMinor = 2;
    gfx::ColorRef m_xLabelColor = 0;
    PlotStyles m_plots{};

    ChartHistory m_history;
};

}  // namespace brennix::chart
