#pragma once
// The command line of brennix-view:
//
//   brennix-view [--snapshot FILE] [--size WxH] [--design] FORM.ui
//   brennix-view [--snapshot FILE] [--size WxH] [--design] [--call METHOD]...
//                PROGID [Name=Value]...

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace brennix::tools {

struct ViewOptions {
    QString form;       // a .ui file, or
    QString controlId;  // a programmatic identifier or type-library alias
    std::vector<std::pair<QString, QString>> assignments;
    QStringList calls;  // methods called after the assignments, in order
    QString snapshot;   // render offscreen into this PNG and exit
    std::optional<QSize> size;
    bool design = false;  // ambient user mode off
    bool help = false;
    bool version = false;
};

struct ParsedView {
    std::optional<ViewOptions> options;
    QString error;  // when options is empty
};

// args without the program name.
ParsedView parseViewOptions(const QStringList& args);

extern const char* const kViewUsage;

}  // namespace brennix::tools
