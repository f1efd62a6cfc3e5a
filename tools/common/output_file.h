#pragma once
// Where a result goes. "-" is standard output. A device, a pipe, or a name
// under /dev or /proc (/dev/stdout) is written in place. Anything else is
// written to a temporary file beside it, flushed to disk and renamed over
// the name only when complete, so that a crash or a full disk never leaves
// a half-written file under the name.

#include <functional>
#include <ostream>
#include <string>

namespace brennix::tools {

inline constexpr std::string_view kStandardOutput = "-";

// Why `path` cannot take a result, or nothing: checked before a run so that
// nothing is measured for an output that cannot be written.
std::string outputProblem(const std::string& path);

// `fill` writes the content to a stream.
bool writeOutput(const std::string& path, std::ostream& standardOutput,
                 const std::function<void(std::ostream&)>& fill, std::string& error);

// `fill` writes the content into the file it is given, for writers that
// take a file name; false with the reason when it failed.
bool writeOutputFile(const std::string& path, std::ostream& standardOutput,
                     const std::function<bool(const std::string& file, std::string& error)>& fill,
                     std::string& error);

// The name to report: the full path, or "standard output".
std::string shownPath(const std::string& path);

}  // namespace brennix::tools
