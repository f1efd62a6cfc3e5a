#pragma once
// The tabs of the Chart and the Graph as toolkit-free page models. The tabs
// not built here (Plots, X-Axis Format) are listed by the controls all the
// same but have no page class yet.

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

std::vector<com::pages::PageClass> trendwickPageModels();
com::Status registerTrendwickPages(com::pages::PageRegistry& registry);

}  // namespace brennix::chart
