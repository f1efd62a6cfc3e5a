#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gfx/png_io.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/tools/brennix-acquire/acquire_fixture.h"
#include "tools/brennix-acquire/axis_titles.h"
#include "tools/brennix-acquire/chart_plot.h"

namespace brennix::acquire::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Outputs : public StoreRun {
  protected:
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Outputs, ADashWritesOnlyTheCsvOnStandardOutput) {
    ASSERT_EQ(run({"-d", "1", "-n", "20", "-s", "10000", "--csv", "-", "--no-plot"}), kExitOk)
        << err.str();
    std::istringstream written(out.str());
    Csv read = parseCsv(written);
    EXPECT_EQ(read.columns, "sample,time_s,raw,volts");
    EXPECT_EQ(read.rows.size(), 20U);
    EXPECT_EQ(read.metadata.at("outcome"), "complete");
    // Every line is metadata, the columns or a row.
    std::istringstream lines(out.str());
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
    }
    EXPECT_EQ(count, read.metadata.size() + 1 + 20);
    EXPECT_THAT(err.str(), HasSubstr("samples: standard output (20 samples, +/-5 V)"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "-"));
}

TEST_F(Outputs, TheChartCanGoToStandardOutputToo) {
    ASSERT_EQ(run({"-d", "1", "-n", "20", "-s", "10000", "--png", "-"}), kExitOk) << err.str();
    EXPECT_EQ(out.str().substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_THAT(err.str(), HasSubstr("chart:   standard output"));
}

TEST_F(Outputs, FilesAppearWholeUnderTheirNamesAndLeaveNoTemporaryBehind) {
    {
        std::ofstream earlier(csvPath());
        earlier << "earlier\n";
    }
    ASSERT_EQ(run({"-d", "1", "-n", "20", "-s", "10000"}), kExitOk) << err.str();
    EXPECT_EQ(csv().rows.size(), 20U);
    EXPECT_THAT(filesInFolder(),
                ElementsAre("registry.reg", "registry.reg.lock", "run.csv", "run.png"));
}

TEST_F(Outputs, ALinkKeepsPointingAtTheFileItNames) {
    const auto target = folder() / "kept.csv";
    std::filesystem::create_symlink("kept.csv", folder() / "link.csv");
    ASSERT_EQ(run({"-d", "1", "-n", "5", "-s", "10000", "--csv", (folder() / "link.csv").string(),
                   "--no-plot"}),
              kExitOk)
        << err.str();
    EXPECT_TRUE(std::filesystem::is_symlink(folder() / "link.csv"));
    std::ifstream file(target);
    EXPECT_EQ(parseCsv(file).rows.size(), 5U);
}

TEST_F(Outputs, ADeviceIsWrittenInPlace) {
    ASSERT_EQ(run({"-d", "1", "-n", "5", "-s", "10000", "--csv", "/dev/null", "--no-plot"}),
              kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), HasSubstr("samples: /dev/null (5 samples"));
}

// The chart of a run, recorded instead of drawn.
class Charts : public ::testing::Test {
  protected:
    std::vector<gfx::RecordedCall> texts(std::size_t samples, const InputScale& scale) {
        std::vector<double> volts(samples, 1.0);
        ChartRequest request;
        request.volts = volts;
        request.scale = scale;
        request.caption = "caption";
        request.xTitle = "sample number (10000 samples per second)";
        gfx::RecordingCanvas canvas(request.size);
        std::ostringstream messages;
        MessageRelay relay(messages, "message: ");
        std::string error;
        EXPECT_TRUE(drawChart(request, relay, canvas, error)) << error;
        EXPECT_EQ(messages.str(), "");
        std::vector<gfx::RecordedCall> found;
        collect(canvas.calls(), found);
        return found;
    }

    static void collect(const std::vector<gfx::RecordedCall>& calls,
                        std::vector<gfx::RecordedCall>& found) {
        for (const auto& call : calls) {
            if (call.kind == gfx::CallKind::TextOut) {
                found.push_back(call);
            }
            collect(call.source, found);
        }
    }

    // The labels in the row of the lowest whole-number texts: the X labels.
    static std::vector<std::string> xLabels(const std::vector<gfx::RecordedCall>& texts) {
        int lowest = -1;
        for (const auto& t : texts) {
            if (isWhole(t.text)) {
                lowest = std::max(lowest, t.points.at(0).y);
            }
        }
        std::vector<std::string> labels;
        for (const auto& t : texts) {
            if (isWhole(t.text) && t.points.at(0).y == lowest) {
                labels.push_back(t.text);
            }
        }
        return labels;
    }

    static std::vector<std::string> yLabels(const std::vector<gfx::RecordedCall>& texts) {
        std::vector<std::string> all = wholeTexts(texts);
        std::vector<std::string> x = xLabels(texts);
        for (const auto& label : x) {
            all.erase(std::find(all.begin(), all.end(), label));
        }
        return all;
    }

    static std::vector<std::string> wholeTexts(const std::vector<gfx::RecordedCall>& texts) {
        std::vector<std::string> whole;
        for (const auto& t : texts) {
            if (isWhole(t.text)) {
                whole.push_back(t.text);
            }
        }
        return whole;
    }

    static bool isWhole(const std::string& text) {
        char* end = nullptr;
        std::strtol(text.c_str(), &end, 10);
        return !text.empty() && end != nullptr && *end == '\0';
    }
};

TEST_F(Charts, SevenSamplesGetSevenDistinctXLabels) {
    auto drawn = texts(7, *vexaRange(0));
    EXPECT_THAT(xLabels(drawn), ElementsAre("0", "1", "2", "3", "4", "5", "6"));
    bool titled = std::any_of(drawn.begin(), drawn.end(), [](const gfx::RecordedCall& t) {
        return t.text == "sample number (10000 samples per second)";
    });
    EXPECT_TRUE(titled);
}

TEST_F(Charts, YLabelsAreWholeVoltsOrMillivolts) {
    EXPECT_THAT(yLabels(texts(10, *vexaRange(0))),
                ElementsAre("5", "4", "3", "2", "1", "0", "-1", "-2", "-3", "-4", "-5"));
    // Gain 16 spans +/-312.5 mV: the axis widens to whole steps of 100 mV.
    EXPECT_THAT(yLabels(texts(10, *gainRange(4))),
                ElementsAre("400", "300", "200", "100", "0", "-100", "-200", "-300", "-400"));
}

TEST_F(Charts, TheYTitleReadsUpwardsBesideTheChart) {
    gfx::Bitmap picture(60, 200);
    drawTitleUpwards(picture, "volts (V)", 6, 100);
    const gfx::Pixel white = gfx::toPixel(gfx::rgb(255, 255, 255));
    int top = 200;
    int bottom = -1;
    int left = 60;
    int right = -1;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (picture.pixel(x, y) != white) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(bottom, 0);
    // A line of text turned on its side: tall and narrow, centred on 100.
    EXPECT_GT(bottom - top, 3 * (right - left));
    EXPECT_NEAR((top + bottom) / 2, 100, 3);
    EXPECT_GE(left, 6);
}

class ChartFiles : public StoreRun {
  protected:
    static bool dark(gfx::Pixel p) {
        const gfx::ColorRef c = gfx::toColorRef(p);
        return gfx::redOf(c) < 128 && gfx::greenOf(c) < 128 && gfx::blueOf(c) < 128;
    }

    // Dark pixels that belong to text: lines (runs longer than any glyph,
    // across or down) are cleared.
    static std::vector<std::vector<bool>> textInk(const gfx::Bitmap& png) {
        constexpr int kLongest = 12;
        const int w = png.width();
        const int h = png.height();
        std::vector<std::vector<bool>> ink(static_cast<std::size_t>(h),
                                           std::vector<bool>(static_cast<std::size_t>(w)));
        auto at = [&](int x, int y) {
            return ink[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                at(x, y) = dark(png.pixel(x, y));
            }
        }
        std::vector<std::pair<int, int>> lines;
        for (int y = 0; y < h; ++y) {
            for (int x = 0, run = 0; x <= w; ++x) {
                if (x < w && dark(png.pixel(x, y))) {
                    ++run;
                    continue;
                }
                for (int k = x - run; run > kLongest && k < x; ++k) {
                    lines.emplace_back(k, y);
                }
                run = 0;
            }
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0, run = 0; y <= h; ++y) {
                if (y < h && dark(png.pixel(x, y))) {
                    ++run;
                    continue;
                }
                for (int k = y - run; run > kLongest && k < y; ++k) {
                    lines.emplace_back(x, k);
                }
                run = 0;
            }
        }
        for (auto [x, y] : lines) {
            at(x, y) = false;
        }
        return ink;
    }

    // The X labels as drawn: the lowest row of text inside the chart, cut
    // into the pictures of its separate labels.
    static std::vector<std::vector<bool>> xLabelPictures(const gfx::Bitmap& png) {
        const auto ink = textInk(png);
        auto inkAt = [&](int x, int y) {
            return ink[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        };
        auto rowInked = [&](int y) {
            for (int x = 0; x < png.width(); ++x) {
                if (inkAt(x, y)) {
                    return true;
                }
            }
            return false;
        };
        // The lowest band of rows with ink that is as tall as a digit; a
        // stray corner pixel of the frame is no label.
        constexpr int kDigitHeight = 5;
        int bottom = chartArea({png.width(), png.height()}).bottom - 1;
        int top = bottom + 1;
        for (int y = bottom; y >= 0 && bottom - top + 1 < kDigitHeight;) {
            while (y >= 0 && !rowInked(y)) {
                --y;
            }
            bottom = y;
            while (y >= 0 && rowInked(y)) {
                --y;
            }
            top = y + 1;
        }
        auto inked = [&](int column) {
            for (int row = top; row <= bottom; ++row) {
                if (inkAt(column, row)) {
                    return true;
                }
            }
            return false;
        };
        std::vector<std::vector<bool>> labels;
        for (int x = 0; x < png.width();) {
            if (!inked(x)) {
                ++x;
                continue;
            }
            // Digits of one label stand closer than labels do.
            int end = x + 1;
            for (int column = end, gap = 0; column < png.width() && gap < 4; ++column) {
                if (inked(column)) {
                    end = column + 1;
                    gap = 0;
                } else {
                    ++gap;
                }
            }
            std::vector<bool> picture;
            for (int row = top; row <= bottom; ++row) {
                for (int column = x; column < end; ++column) {
                    picture.push_back(inkAt(column, row));
                }
            }
            picture.push_back(false);  // and its width, so that shapes differ by it
            picture.resize(picture.size() + static_cast<std::size_t>(end - x), true);
            labels.push_back(std::move(picture));
            x = end;
        }
        return labels;
    }
};

TEST_F(ChartFiles, ASevenSampleRunDrawsSevenDistinctXLabels) {
    ASSERT_EQ(run({"-d", "1", "-n", "7", "-s", "10000"}), kExitOk) << err.str();
    std::string error;
    auto png = gfx::loadPng(pngPath(), error);
    ASSERT_TRUE(png) << error;
    const auto labels = xLabelPictures(*png);
    ASSERT_EQ(labels.size(), 7U);
    for (std::size_t a = 0; a < labels.size(); ++a) {
        for (std::size_t b = a + 1; b < labels.size(); ++b) {
            EXPECT_NE(labels[a], labels[b]) << "labels " << a << " and " << b << " look alike";
        }
    }
}

TEST_F(ChartFiles, ASingleSampleShowsAsAPoint) {
    ASSERT_EQ(run({"-d", "1", "-n", "1", "-s", "10000"}), kExitOk) << err.str();
    std::string error;
    auto png = gfx::loadPng(pngPath(), error);
    ASSERT_TRUE(png) << error;
    int marked = 0;
    for (int y = 0; y < png->height(); ++y) {
        for (int x = 0; x < png->width(); ++x) {
            marked += png->pixel(x, y) == gfx::toPixel(kTraceColor) ? 1 : 0;
        }
    }
    // A solid circle of five pixels across.
    EXPECT_GE(marked, 9);
}

}  // namespace
}  // namespace brennix::acquire::testing
