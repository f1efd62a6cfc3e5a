#include "tools/brennix-view/view_options.h"

#include <QRegularExpression>

namespace brennix::tools {

const char* const kViewUsage =
    "usage: brennix-view [--snapshot FILE] [--size WxH] [--design] FORM.ui\n"
    "       brennix-view [--snapshot FILE] [--size WxH] [--design] [--call METHOD]...\n"
    "                    PROGID [Name=Value]...\n"
    "Shows a form file, or one control created by its programmatic identifier\n"
    "or type-library alias with its properties set, in a window.\n"
    "  --snapshot FILE  render offscreen into a PNG file and exit\n"
    "  --size WxH       the window's size in pixels\n"
    "  --design         show the controls as at design time\n"
    "  --call METHOD    call a method without arguments after the assignments\n";

namespace {

ParsedView fail(QString error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

ParsedView parseViewOptions(const QStringList& args) {
    ViewOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&](const char* option) -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            (void)option;
            return args[++i];
        };
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            options.help = true;
        } else if (arg == QStringLiteral("--design")) {
            options.design = true;
        } else if (arg == QStringLiteral("--snapshot")) {
            auto file = value("--snapshot");
            if (!file || file->isEmpty()) {
                return fail(QStringLiteral("--snapshot needs a file name"));
            }
            options.snapshot = *file;
        } else if (arg == QStringLiteral("--call")) {
            auto method = value("--call");
            if (!method || method->isEmpty()) {
                return fail(QStringLiteral("--call needs a method name"));
            }
            options.calls.append(*method);
        } else if (arg == QStringLiteral("--size")) {
            auto text = value("--size");
            static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const auto match = pattern.match(text.value_or(QString()));
            const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
            const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
            if (w < 1 || h < 1 || w > 16384 || h > 16384) {
                return fail(QStringLiteral("--size needs WIDTHxHEIGHT, 1 to 16384 pixels each"));
            }
            options.size = QSize(w, h);
        } else if (arg.startsWith(QStringLiteral("--"))) {
            return fail(QStringLiteral("unknown option %1").arg(arg));
        } else if (options.form.isEmpty() && options.controlId.isEmpty()) {
            if (arg.endsWith(QStringLiteral(".ui"), Qt::CaseInsensitive)) {
                options.form = arg;
            } else {
                options.controlId = arg;
            }
        } else if (!options.controlId.isEmpty() && arg.contains('=')) {
            const qsizetype eq = arg.indexOf('=');
            if (eq == 0) {
                return fail(QStringLiteral("%1 names no property").arg(arg));
            }
            options.assignments.emplace_back(arg.left(eq), arg.mid(eq + 1));
        } else {
            return fail(options.form.isEmpty()
                            ? QStringLiteral("%1 is no Name=Value assignment").arg(arg)
                            : QStringLiteral("a form takes no assignments: %1").arg(arg));
        }
    }
    if (options.help) {
        return {options, {}};
    }
    if (options.form.isEmpty() && options.controlId.isEmpty()) {
        return fail(QStringLiteral("name a form file or a control"));
    }
    if (!options.form.isEmpty() && !options.calls.isEmpty()) {
        return fail(QStringLiteral("--call is for a single control"));
    }
    return {options, {}};
}

}  // namespace brennix::tools
