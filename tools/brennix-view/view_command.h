#pragma once
// brennix-view: builds the window a command line asks for and shows it, or
// renders it offscreen into a PNG.

#include <QString>
#include <QWidget>
#include <memory>

#include "tools/brennix-view/view_options.h"

namespace brennix::tools {

enum ViewExit : int { kViewShown = 0, kViewFailed = 1, kViewBadCommandLine = 2 };

// The window, or null with the reason in error. Property assignments and
// calls that fail are reported in error too, but the window is kept.
std::unique_ptr<QWidget> buildViewWindow(const ViewOptions& options, QString& error);

// Renders the window as it would be shown and writes it as PNG.
bool saveSnapshot(QWidget& window, const QString& file, QString& error);

// The whole program after QApplication exists; messages go to standard error.
int runView(const ViewOptions& options);

}  // namespace brennix::tools
