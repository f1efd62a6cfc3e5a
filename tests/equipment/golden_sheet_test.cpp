// Every style of every equipment control at its default extent, the same
// three times as large, and a small plant whose pipes join the symbols edge
// to edge, as a person sees them. Set BRENNIX_UPDATE_GOLDEN=1 to rewrite the picture
// after a change meant to alter it, and look at it before committing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "platform/gfx/png_io.h"
#include "tests/equipment/equipment_fixture.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kSheet = gfx::rgb(236, 236, 236);

class Sheet {
  public:
    explicit Sheet(gfx::Size size) : canvas_(size) {
        canvas_.fillRect({0, 0, size.cx, size.cy}, kSheet);
    }

    // The control in a window of its own at (x, y), as a host shows it.
    gfx::Size place(com::Control& control, int x, int y) {
        const gfx::Bitmap window = renderWindow(control);
        gfx::RasterCanvas source(window.size());
        source.bitmap() = window;
        canvas_.blockCopy({x, y, x + window.width(), y + window.height()}, source, {0, 0});
        return window.size();
    }
    void label(int x, int y, const std::string& text) {
        canvas_.setBackgroundMode(gfx::BackgroundMode::Transparent);
        canvas_.textOut({x, y}, text);
    }
    const gfx::Bitmap& bitmap() const { return canvas_.bitmap(); }

  private:
    gfx::RasterCanvas canvas_;
};

template <class T>
std::shared_ptr<T> styled(const char* property, int style, int scale) {
    auto control = make<T>();
    EXPECT_TRUE(control->put(property, com::Variant(static_cast<std::int16_t>(style))).ok());
    if (scale != 1) {
        const gfx::Size e = control->extent();
        control->setExtent({e.cx * scale, e.cy * scale});
    }
    return control;
}

// One row of every style of a control; returns the height used.
template <class T>
int row(Sheet& sheet, const char* name, const char* property, int styles, int y, int scale) {
    sheet.label(8, y, name);
    int x = 70;
    int height = 0;
    for (int style = 0; style < styles; ++style) {
        auto control = styled<T>(property, style, scale);
        sheet.label(x, y, std::to_string(style));
        const gfx::Size size = sheet.place(*control, x, y + 14);
        x += size.cx + 10;
        height = std::max(height, size.cy);
    }
    return height + 24;
}

void catalogue(Sheet& sheet, int scale) {
    int y = 8;
    y += row<CMotorCtrl>(sheet, "Motor", "MotorStyle", 2, y, scale);
    y += row<CPumpCtrl>(sheet, "Pump", "PumpStyle", 10, y, scale);
    y += row<CTankCtrl>(sheet, "Tank", "TankStyle", 5, y, scale);
    y += row<CValueCtrl>(sheet, "Value", "ValueStyle", 9, y, scale);
    row<CPipeCtrl>(sheet, "Pipe", "PipeStyle", 8, y, scale);
}

void expectMatchesGolden(const gfx::Bitmap& actual, const std::string& name) {
    const auto golden = std::filesystem::path(BRENNIX_EQUIPMENT_GOLDEN_DIR) / name;
    std::string error;
    if (std::getenv("BRENNIX_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(gfx::savePng(actual, golden.string(), error)) << error;
    }
    const auto expected = gfx::loadPng(golden.string(), error);
    ASSERT_TRUE(expected.has_value()) << error;
    ASSERT_EQ(expected->size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            differing += actual.pixel(x, y) != expected->pixel(x, y) ? 1 : 0;
        }
    }
    if (differing != 0) {
        const auto out = std::filesystem::temp_directory_path() / ("actual-" + name);
        gfx::savePng(actual, out.string(), error);
        ADD_FAILURE() << differing << " pixels differ from " << golden << "; got " << out;
    }
}

TEST(EquipmentGolden, EveryStyleAtItsDefaultExtent) {
    Sheet sheet({560, 540});
    catalogue(sheet, 1);
    expectMatchesGolden(sheet.bitmap(), "equipment-sheet.png");
}

TEST(EquipmentGolden, EveryStyleThreeTimesAsLarge) {
    Sheet sheet({1330, 1350});
    catalogue(sheet, 3);
    expectMatchesGolden(sheet.bitmap(), "equipment-sheet-large.png");
}

// A control of the plant: sized by its extent handler from a proposal in
// pixels, on the sheet's background.
template <class T>
std::shared_ptr<T> part(const char* property, int style, gfx::Size proposal) {
    auto control = styled<T>(property, style, 1);
    EXPECT_TRUE(control->put("BackColor", com::Variant::fromColor(kSheet)).ok());
    proposePixels(*control, proposal);
    return control;
}

TEST(EquipmentGolden, APlantWhosePipesJoinTheSymbolsEdgeToEdge) {
    Sheet sheet({440, 320});
    constexpr int t = 13;  // the thickness of every pipe
    const com::Variant water = com::Variant::fromColor(gfx::rgb(120, 180, 255));

    // Motor, coupled pump and its outlet along the top.
    auto pump = part<CPumpCtrl>("PumpStyle", 0, {59, 40});
    const int px = 90;
    const int py = 60;
    const gfx::Size pumpSize = sheet.place(*pump, px, py);
    auto motor = part<CMotorCtrl>("MotorStyle", 0, {70, 30});
    const gfx::Size motorSize = motor->extentPixels();
    sheet.place(*motor, px - motorSize.cx + 4, py + pumpSize.cy / 2 - motorSize.cy / 2);

    auto run = [&](int x, int y, bool vertical, int length) {
        auto pipe = part<CPipeCtrl>("PipeStyle", vertical ? 5 : 4,
                                    vertical ? gfx::Size{t, length} : gfx::Size{length, t});
        EXPECT_TRUE(pipe->put("PipeColor", water).ok());
        return sheet.place(*pipe, x, y);
    };
    int x = px + pumpSize.cx;
    x += run(x, py, false, 33).cx;
    // A flanged joint in the run, then a butterfly valve whose wings take
    // the pipe's thickness.
    auto joint = part<CPipeCtrl>("PipeStyle", 6, {t, 2 * t});
    x += sheet.place(*joint, x, py + t / 2 - t).cx;
    x += run(x, py, false, 33).cx;
    auto valve = part<CValueCtrl>("ValueStyle", 3, {2 * t, 2 * t});
    x += sheet.place(*valve, x, py - t).cx;
    x += run(x, py, false, 33).cx;

    // Down into the tank through an elbow whose band is the pipe.
    auto elbow = part<CPipeCtrl>("PipeStyle", 1, {40, 40});
    EXPECT_TRUE(elbow->put("PipeColor", water).ok());
    const int c = 40 / 6;
    const gfx::Size elbowSize = sheet.place(*elbow, x, py - c);
    const int vx = x + elbowSize.cx - 1 - 3 * c;
    int y = py - c + elbowSize.cy;
    y += run(vx, y, true, 32).cy;
    auto flange = part<CPipeCtrl>("PipeStyle", 7, {2 * t, t});
    y += sheet.place(*flange, vx + t / 2 - t, y).cy;
    y += run(vx, y, true, 20).cy;
    auto tank = part<CTankCtrl>("TankStyle", 0, {90, 90});
    sheet.place(*tank, vx + t / 2 - 45, y);

    // A branch through a gate valve, the pipe on the line of its body.
    auto gate = part<CValueCtrl>("ValueStyle", 0, {48, 48});
    const int gy = 190;
    const int line = gy + 48 - 48 / 4 - t / 2;
    run(12, line, false, 33);
    const gfx::Size gateSize = sheet.place(*gate, 12 + 33, gy);
    run(12 + 33 + gateSize.cx, line, false, 33);
    expectMatchesGolden(sheet.bitmap(), "equipment-plant.png");
}

}  // namespace
}  // namespace brennix::equipment::testing
