#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "tools/brennix-view/view_command.h"
#include "tools/common/version.h"

int main(int argc, char** argv) {
    // The command line is read before Qt starts, so a wrong one or --help
    // needs no display.
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto parsed = brennix::tools::parseViewOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "brennix-view: %s\n%s", qPrintable(parsed.error),
                     brennix::tools::kViewUsage);
        return brennix::tools::kViewBadCommandLine;
    }
    if (parsed.options->help) {
        std::fputs(brennix::tools::kViewUsage, stdout);
        return 0;
    }
    if (parsed.options->version) {
        std::fputs(brennix::tools::versionText("brennix-view").c_str(), stdout);
        return 0;
    }
    // A snapshot is rendered offscreen.
    if (!parsed.options->snapshot.isEmpty()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brennix-view"));
    return brennix::tools::runView(*parsed.options);
}
