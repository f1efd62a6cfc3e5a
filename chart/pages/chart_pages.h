#pragma once
// The tabs of the Chart and the Graph as toolkit-free page models.

#include <vector>

#include "platform/com/pages/page_registry.h"

namespace brennix::chart {

class CChartPropPage final : public com::pages::PropertyPage {
  public:
    CChartPropPage();
};

class CGraphPropPage final : public com::pages::PropertyPage {
  public:
    CGraphPropPage();
};

class CPrpXAxis final : public com::pages::PropertyPage {
  public:
    CPrpXAxis();
};

class CPrpYAxis final : public com::pages::PropertyPage {
  public:
    CPrpYAxis();
};

// The X and Y tick tabs; axis is 'X' or 'Y'.
class CPrpTicks final : public com::pages::PropertyPage {
  public:
    explicit CPrpTicks(char axis);
};

// "Y-Axis Format": the format list follows the class, and "Sample" shows the
// value typed beside it as the Y labels would.
class CPrpFormat final : public com::pages::PropertyPage {
  public:
    static constexpr const char* kValue = "Value:";
    static constexpr const char* kSample = "Sample";
    CPrpFormat();

  private:
    void opened() override;
    void fieldChanged(com::pages::Field& field) override;
    void refill(bool classChanged);
    void showSample();
};

// "Plots": one row per plot, "Plot 1:" to "Plot 8:", of its five list
// positions and three colours.
class CPrpPlots final : public com::pages::PropertyPage {
  public:
    CPrpPlots();
};

// "X-Axis Format": the format list follows the class; the date-time picker
// writes the time of day (Time) or the date (Date) into the three base
// fields, and nothing for the Number class.
class CPrpXFormat final : public com::pages::PropertyPage {
  public:
    static constexpr const char* kPicker = "Time Base:";
    CPrpXFormat();

  private:
    void opened() override;
    void fieldChanged(com::pages::Field& field) override;
    void refill(bool classChanged);
    void showPicker();
    void pickerChanged();
};

std::vector<com::pages::PageClass> trendwickPageModels();
// The page classes, and the nine tabs each control lists (the platform's
// stock colour page last).

com::Status registerTrendwickPages(com::pages::PageRegistry& registry);

}  // namespace brennix::chart
