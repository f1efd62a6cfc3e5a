#pragma once
// brennix-render: one control, created by identifier, set up from a property
// document, assignments and method calls, painted headless into a PNG.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "tools/brennix-render/render_options.h"

namespace brennix::render {

inline constexpr int kExitRendered = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The picture, or nothing with the reasons in `problems`. A message the
// control shows while it is set up counts as a problem; one it shows while
// it paints is only passed on. Messages go to `err` as they come.
struct Rendered {
    std::optional<gfx::Bitmap> picture;
    std::vector<std::string> problems;
};
Rendered renderControl(const RenderOptions& options, std::ostream& err);

// args without the program name; returns the exit status.
int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brennix::render
