#include "demos/common/demo_main.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/com/message_box.h"
#include "qt/message_boxes.h"
#include "tools/common/command_line.h"

namespace brennix::demos {
namespace {

constexpr const char* kUsage =
    "usage: %s [--snapshot FILE] [--run-for MS]\n"
    "  --snapshot FILE  write the window to a PNG file at the end; offscreen unless\n"
    "                   QT_QPA_PLATFORM names a display platform\n"
    "  --run-for MS     end after MS milliseconds of running\n"
    "  -h, --help       show this text\n"
    "The boards are simulated unless BRENNIX_PORTS=real is set.\n";

constexpr std::array kRules = {
    tools::OptionRule{"snapshot", 0, true, "a file name"},
    tools::OptionRule{"run-for", 0, true, "milliseconds"},
    tools::OptionRule{"help", 'h'},
};

constexpr int kLongestRunMs = 24 * 60 * 60 * 1000;

ParsedDemoOptions fail(QString error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

ParsedDemoOptions parseDemoOptions(const QStringList& args) {
    std::vector<std::string> words;
    for (const QString& arg : args) {
        words.push_back(arg.toStdString());
    }
    const tools::ParsedArguments parsed = tools::parseArguments(words, kRules);
    if (!parsed.ok()) {
        return fail(QString::fromStdString(parsed.error));
    }
    if (!parsed.positional.empty()) {
        return fail(QStringLiteral("unexpected argument %1")
                        .arg(QString::fromStdString(parsed.positional.front())));
    }
    DemoOptions options;
    for (const tools::GivenOption& option : parsed.options) {
        const QString value = QString::fromStdString(option.value.value_or(std::string()));
        if (option.name == "help") {
            options.help = true;
        } else if (option.name == "snapshot") {
            if (value.isEmpty()) {
                return fail(QStringLiteral("--snapshot needs a file name"));
            }
            options.snapshot = value;
        } else if (option.name == "run-for") {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (!ok || ms < 0 || ms > kLongestRunMs) {
                return fail(
                    QStringLiteral("--run-for needs milliseconds from 0 to %1").arg(kLongestRunMs));
            }
            options.runForMs = ms;
        }
    }
    return {options, {}};
}

int runDemo(int argc, char** argv, const char* program, const FormFactory& make) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    const ParsedDemoOptions parsed = parseDemoOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(parsed.error));
        std::fprintf(stderr, kUsage, program);
        return kDemoBadCommandLine;
    }
    const DemoOptions& options = *parsed.options;
    if (options.help) {
        std::printf(kUsage, program);
        return kDemoRan;
    }
    const bool snapshot = !options.snapshot.isEmpty();
    if (snapshot) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(program));
    if (snapshot) {
        // Nobody is there to close a message box.
        (void)com::installMessageHandler([program](const com::Message& m) {
            std::fprintf(stderr, "%s: message: %s\n", program, m.text.c_str());
        });
    } else {
        qt::useQtMessageBoxes();
    }

    std::unique_ptr<DemoForm> form = make();
    for (const QString& problem : form->problems()) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(problem));
    }
    if (!form->load()) {
        return kDemoClosedAtLoad;
    }
    QWidget& window = form->window();
    // On a display (a virtual one, for the README) the window is shown for
    // real and the snapshot renders what it shows.
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (snapshot && offscreen) {
        window.setAttribute(Qt::WA_DontShowOnScreen);
    }
    window.show();
    if (options.runForMs) {
        QTimer::singleShot(*options.runForMs, &app, &QCoreApplication::quit);
    }
    if (!snapshot || options.runForMs) {
        (void)QApplication::exec();
    } else {
        QCoreApplication::processEvents();
    }
    int result = kDemoRan;
    if (snapshot) {
        const QImage image = window.grab().toImage();
        if (image.isNull() || !image.save(options.snapshot, "PNG")) {
            std::fprintf(stderr, "%s: cannot write the snapshot %s\n", program,
                         qPrintable(options.snapshot));
            result = kDemoSnapshotFailed;
        }
    }
    form->unload();
    return result;
}

}  // namespace brennix::demos
