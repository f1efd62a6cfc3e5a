// A control library that exists only for the tests: loaded on demand through
// the store, never linked into a test program.

#include <cstdint>

#include "platform/com/control.h"
#include "platform/com/control_library.h"
#include "platform/com/table_builder.h"

namespace brennix::com::testing {
namespace {

class CGaugeCtrl final : public Control {
  public:
    const MemberTable& members() const override { return table(); }
    static const MemberTable& table() {
        using C = CGaugeCtrl;
        static const MemberTable t = TableBuilder<C>("Gauge")
                                         .stock(Stock::BackColor)
                                         .property("Value", &C::m_value, {.def = 5})
                                         .build();
        return t;
    }

  private:
    friend class TableBuilder<CGaugeCtrl>;
    std::int32_t m_value = 0;
};

ControlLibrary& gaugeLibrary() {
    static ControlLibrary library(
        "gaugekit", {"GAUGEKITLib", "{5A1E0001-0000-4000-8000-00000000C0DE}", "1.0"},
        {ClassEntry::of<CGaugeCtrl>("{5A1E0003-0000-4000-8000-00000000C0DE}",
                                    "GAUGEKIT.GaugeCtrl.1", "Gauge Control 1.0")
             .withInterfaces("_DGauge", "_DGaugeEvents", "{5A1E0004-0000-4000-8000-00000000C0DE}",
                             "{5A1E0005-0000-4000-8000-00000000C0DE}"),
         ClassEntry::of<CGaugeCtrl>("{5A1E0006-0000-4000-8000-00000000C0DE}", "GAUGEKIT.DialCtrl.1",
                                    "Dial Control 1.0")
             .withInterfaces("_DDial", "_DDialEvents")});
    return library;
}

}  // namespace
}  // namespace brennix::com::testing

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(::brennix::com::testing::gaugeLibrary())
