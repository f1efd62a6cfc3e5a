#pragma once
// Controls hosted in Qt widgets: the sample control of the hosting tests,
// registered under a progid of its own, and the libraries of the build.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "platform/com/class_registry.h"
#include "platform/com/control_library.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/gfx/raster_canvas.h"
#include "qt/control_widget.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::qt::testing {

inline constexpr const char* kSampleProgId = "QTSAMPLE.SampleCtrl.1";
inline constexpr const char* kChartProgId = "TRENDWICK.ChartCtrl.1";

inline void registerSample() {
    static com::ControlLibrary library(
        "qtsample", {"QTSAMPLELib", "{7B3A0001-0000-4000-8000-0000000051A7}", "1.0"},
        {com::ClassEntry::of<com::testing::CSampleCtrl>("{7B3A0002-0000-4000-8000-0000000051A7}",
                                                        kSampleProgId, "Sample Control 1.0")
             .withInterfaces("_DSample", "_DSampleEvents")});
    ASSERT_TRUE(library.registerServer().ok());
}

// What the headless site paints for a control of no other site, on a fresh
// canvas filled with the container's background, at the given pixels per
// inch.
inline gfx::Bitmap headlessFrame(com::Control& control, gfx::Size pixels, int ppi = 96) {
    com::HeadlessSite site;
    site.ambientProperties().pixelsPerInch = ppi;
    site.attach(control);
    (void)control.setExtent(com::pixelsToHiMetric(pixels, ppi));
    gfx::RasterCanvas canvas(pixels);
    canvas.bitmap().fill(gfx::pixelOf(control.ambient().backColor));
    site.setCanvas(&canvas);
    control.refresh();
    site.setCanvas(nullptr);
    control.setSite(nullptr);
    return canvas.bitmap();
}

// Pixels that differ between a Qt image and a bitmap (all when the sizes do).
inline int differingPixels(const QImage& image, const gfx::Bitmap& bitmap) {
    if (image.width() != bitmap.width() || image.height() != bitmap.height()) {
        return bitmap.width() * bitmap.height() + 1;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        const auto* row = reinterpret_cast<const gfx::Pixel*>(rgb.constScanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            differ += (row[x] | 0xFF000000U) != bitmap.row(y)[x] ? 1 : 0;
        }
    }
    return differ;
}

class HostingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { registerSample(); }

    com::MessageRecorder messages;
};

}  // namespace brennix::qt::testing
