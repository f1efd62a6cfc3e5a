#include "chart/control/chart_ctrl.h"

#include <optional>
#include <span>

#include "chart/control/chart_messages.h"
#include "platform/com/safe_array.h"

namespace brennix::chart {

void CChartCtrl::syncHistory() {
    m_history.setPlotNum(m_plotNum);
    m_history.setHistoryLength(m_historyLength);
    m_history.setUpdateMode(m_updateMode);
    m_history.setViewNum(m_viewNum);
}

void CChartCtrl::onPropertiesLoaded() {
    // Loading runs no range test, but a history longer than a put allows
    // would be allocated whole at InitControl: it takes the put's reset value.
    if (m_historyLength < 1024 || m_historyLength > 1048575) {
        m_historyLength = 1024;
    }
    syncHistory();
}

void CChartCtrl::startNumChanged() {
    // Moving the window is where a bad TimeInterval has always been caught.
    if (m_timeInterval < 1) {
        showControlMessage(text::kTimeInterval);
        m_timeInterval = 1;
    }
}

void CChartCtrl::show(const HistoryMessages& messages) {
    for (std::string_view message : messages) {
        showControlMessage(message);
    }
}

void CChartCtrl::InitControl() {
    show(m_history.initControl());
}

void CChartCtrl::ReleaseControl() {
    show(m_history.releaseControl());
}

void CChartCtrl::ClearCharts() {
    m_history.clearCharts();
    invalidate();
}

void CChartCtrl::ResetControl() {
    show(m_history.resetControl());
}

void CChartCtrl::PlotCharts(com::Variant data) {
    com::SafeArray* array = data.array();
    if (array == nullptr) {
        // Nothing to read values from; the host hears why.
        m_history.noteUnreadableArray(0);
        showControlMessage(text::kArrayAccess);
        return;
    }
    if (array->count() == 0) {
        // An array without elements has no data block: nothing is appended.
        show(m_history.plotCharts(std::nullopt));
        invalidate();
        return;
    }
    // Values of any other element type would be read as garbage.
    auto values = com::ArrayAccess<double>::of(*array);
    if (!values) {
        m_history.noteUnreadableArray(array->count());
        showControlMessage(text::kArrayAccess);
        return;
    }
    const std::span<const double> samples = values->values();
    const HistoryMessages messages = m_history.plotCharts(samples);
    show(messages);
    invalidate();
}

ChartAppearance CChartCtrl::appearance() const {
    ChartAppearance a;
    a.Caption = caption();
    a.Font = font();
    a.ForeColor = foreColor();
    a.BkColor = m_bkColor;
    a.PlotAreaColor = m_plotAreaColor;
    a.ScaleMaximum = m_scaleMaximum;
    a.ScaleMinimum = m_scaleMinimum;
    a.YFormat = {m_formatClass, m_format};
    a.XFormat = {m_xAxisFormatClass, m_xAxisFormat, m_timeInterval,
                 m_timeBase0,        m_timeBase1,   m_timeBase2};
    a.YSpacingMinor = m_ySpacingMinor;
    a.YSpacingMajor = m_ySpacingMajor;
    a.YMajorTickMark = m_yMajorTickMark;
    a.YMajorTickColor = m_yMajorTickColor;
    a.YMinorTickMark = m_yMinorTickMark;
    a.YMinorTickColor = m_yMinorTickColor;
    a.YTickLeft = m_yTickLeft;
    a.YTickRight = m_yTickRight;
    a.YLabelLeft = m_yLabelLeft;
    a.YLabelRight = m_yLabelRight;
    a.YLabelColor = m_yLabelColor;
    a.YGridMajor = m_yGridMajor;
    a.YGridMinor = m_yGridMinor;
    a.YGridMajorColor = m_yGridMajorColor;
    a.YGridMinorColor = m_yGridMinorColor;
    a.XTickBottom = m_xTickBottom;
    a.XTickAbove = m_xTickAbove;
    a.XLabelAbove = m_xLabelAbove;
    a.XLabelBottom = m_xLabelBottom;
    a.XMajorTickMark = m_xMajorTickMark;
    a.XMinorTickMark = m_xMinorTickMark;
    a.XMajorTickColor = m_xMajorTickColor;
    a.XMinorTickColor = m_xMinorTickColor;
    a.XSpacingMajor = m_xSpacingMajor;
    a.XSpacingMinor = m_xSpacingMinor;
    a.XLabelColor = m_xLabelColor;
    a.XGridMajor = m_xGridMajor;
    a.XGridMinor = m_xGridMinor;
    a.XGridMajorColor = m_xGridMajorColor;
    a.XGridMinorColor = m_xGridMinorColor;
    a.PlotMode = m_plotMode;
    a.PlotNum = m_plotNum;
    return a;
}

void CChartCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    paintChart(canvas, bounds, appearance(), m_plots, m_history);
}

com::AboutInfo CChartCtrl::about() const {
    return {std::string(text::kAboutCaption), std::string(text::kAboutText)};
}

}  // namespace brennix::chart
