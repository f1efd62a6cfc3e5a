#include "tools/brennix-view/view_options.h"

#include <QRegularExpression>
#include <array>
#include <string>

#include "tools/common/command_line.h"

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
    "  --call METHOD    call a method without arguments after the assignments\n"
    "  -h, --help       show this text\n"
    "      --version    show the version\n";

namespace {

constexpr std::array kRules = {
    OptionRule{"snapshot", 0, true, "a file name"},
    OptionRule{"size", 0, true, "WIDTHxHEIGHT"},
    OptionRule{"design"},
    OptionRule{"call", 0, true, "a method name"},
    OptionRule{"help", 'h'},
    OptionRule{"version"},
};

ParsedView fail(QString error) {
    return {std::nullopt, std::move(error)};
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

std::optional<QSize> sizeOf(const QString& value) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto match = pattern.match(value);
    const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (w < 1 || h < 1 || w > 16384 || h > 16384) {
        return std::nullopt;
    }
    return QSize(w, h);
}

}  // namespace

ParsedView parseViewOptions(const QStringList& args) {
    std::vector<std::string> words;
    words.reserve(static_cast<std::size_t>(args.size()));
    for (const QString& arg : args) {
        words.push_back(arg.toStdString());
    }
    const ParsedArguments parsed = parseArguments(words, kRules);
    if (!parsed.ok()) {
        return fail(text(parsed.error));
    }
    ViewOptions options;
    for (const GivenOption& option : parsed.options) {
        const QString value = text(option.value.value_or(std::string()));
        if (option.name == "help") {
            options.help = true;
        } else if (option.name == "version") {
            options.version = true;
        } else if (option.name == "design") {
            options.design = true;
        } else if (option.name == "snapshot") {
            if (value.isEmpty()) {
                return fail(QStringLiteral("--snapshot needs a file name"));
            }
            options.snapshot = value;
        } else if (option.name == "call") {
            if (value.isEmpty()) {
                return fail(QStringLiteral("--call needs a method name"));
            }
            options.calls.append(value);
        } else if (option.name == "size") {
            options.size = sizeOf(value);
            if (!options.size) {
                return fail(QStringLiteral("--size needs WIDTHxHEIGHT, 1 to 16384 pixels each"));
            }
        }
    }
    if (options.help || options.version) {
        return {options, {}};
    }
    for (const std::string& word : parsed.positional) {
        const QString arg = text(word);
        if (options.form.isEmpty() && options.controlId.isEmpty()) {
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
    if (options.form.isEmpty() && options.controlId.isEmpty()) {
        return fail(QStringLiteral("name a form file or a control"));
    }
    if (!options.form.isEmpty() && !options.calls.isEmpty()) {
        return fail(QStringLiteral("--call is for a single control"));
    }
    return {options, {}};
}

}  // namespace brennix::tools
