#pragma once
// What the four programs' main functions share: the command line, the Qt
// application, Form_Load and Form_Unload around the event loop, and the
// offscreen snapshot that tests and the README use.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "demos/common/demo_form.h"

namespace brennix::demos {

struct DemoOptions {
    QString snapshot;             // render offscreen into this PNG, then exit
    std::optional<int> runForMs;  // run this long, then exit
    bool help = false;
};

struct ParsedDemoOptions {
    std::optional<DemoOptions> options;
    QString error;
};

ParsedDemoOptions parseDemoOptions(const QStringList& args);

// Exit codes.
inline constexpr int kDemoRan = 0;
inline constexpr int kDemoClosedAtLoad = 1;  // the form unloaded itself at load
inline constexpr int kDemoBadCommandLine = 2;
inline constexpr int kDemoSnapshotFailed = 3;

using FormFactory = std::function<std::unique_ptr<DemoForm>()>;

// The whole program: parses the command line, builds the form with make and
// runs it until its window closes or the --run-for time is up.
int runDemo(int argc, char** argv, const char* program, const FormFactory& make);

}  // namespace brennix::demos
