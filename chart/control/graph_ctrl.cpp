#include "chart/control/graph_ctrl.h"

#include "chart/control/chart_messages.h"
#include "chart/control/graph_messages.h"
#include "platform/com/safe_array.h"

namespace brennix::chart {

void CGraphCtrl::PlotGraphs(com::Variant data) {
    com::SafeArray* array = data.array();
    if (array == nullptr || array->elementType() != com::VarType::Double) {
        // Refused without reading: values of another type would be garbage,
        // and what the graph showed stays.
        showControlMessage(text::kArrayAccess);
        return;
    }
    auto values = com::ArrayAccess<double>::of(*array);
    if (!values) {
        m_samples.clear();
        showControlMessage(text::kArrayAccess);
        invalidate();
        return;
    }
    m_samples.assign(values->values());
    invalidate();
}

void CGraphCtrl::ClearGraphs() {
    m_samples.clear();
    invalidate();
}

ChartAppearance CGraphCtrl::appearance() const {
    ChartAppearance a = m_look;
    a.Caption = caption();
    a.Font = font();
    a.ForeColor = foreColor();
    return a;
}

void CGraphCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    paintGraph(canvas, bounds, appearance(), m_plots, m_samples, window());
}

com::AboutInfo CGraphCtrl::about() const {
    return {std::string(text::kGraphAboutCaption), std::string(text::kGraphAboutText)};
}

}  // namespace brennix::chart
