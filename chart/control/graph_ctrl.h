#pragma once
// The Graph control: the static sibling of the Chart. It shows one block of
// data handed over by PlotGraphs, up to eight plots interleaved in it, with
// the Chart's axes, labels and trace styles.

#include <cstddef>
#include <cstdint>
#include <utility>

#include "chart/axes/chart_appearance.h"
#include "chart/control/plot_properties.h"
#include "chart/graph/graph_paint.h"
#include "chart/render/chart_paint.h"
#include "platform/com/control.h"

namespace brennix::chart {

class CGraphCtrl final : public com::Control {
  public:
    static constexpr int kPlots = 8;

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    // Methods, as dispatch calls them.
    void PlotGraphs(com::Variant data);
    void ClearGraphs();

    // What a paint is drawn from.
    ChartAppearance appearance() const;
    const PlotStyles& plotStyles() const { return m_plots; }
    const GraphSamples& samples() const { return m_samples; }
    GraphWindow window() const { return {m_startNum, m_viewNum}; }

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;

  private:
    friend class com::TableBuilder<CGraphCtrl>;

    // Most properties are the appearance's fields, reached through these.
    template <auto Field>
    FieldType<Field> look() const {
        return m_look.*Field;
    }
    template <auto Field>
    void setLook(FieldType<Field> value) {
        m_look.*Field = value;
    }
    template <auto Outer, auto Inner>
    FieldType<Inner> lookIn() const {
        return m_look.*Outer.*Inner;
    }
    template <auto Outer, auto Inner>
    void setLookIn(FieldType<Inner> value) {
        m_look.*Outer.*Inner = value;
    }
    template <std::size_t I, auto Field>
    FieldType<Field> plotValue() const {
        return m_plots[I].*Field;
    }
    template <std::size_t I, auto Field>
    void setPlotValue(FieldType<Field> value) {
        m_plots[I].*Field = value;
    }

    template <auto Field>
    static void field(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                      com::Prop<CGraphCtrl, FieldType<Field>> options = {});
    template <auto Outer, auto Inner>
    static void field(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                      com::Prop<CGraphCtrl, FieldType<Inner>> options = {});
    template <auto Field, std::size_t... I>
    static void addPlotFamily(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                              const com::Prop<CGraphCtrl, FieldType<Field>>& options,
                              std::index_sequence<I...>);

    ChartAppearance m_look;  // Caption, Font and ForeColor are the stock ones
    std::int32_t m_viewNum = 100;
    std::int32_t m_startNum = 0;
    PlotStyles m_plots{};
    GraphSamples m_samples;
};

}  // namespace brennix::chart
