#include "tools/brennix-render/render_command.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "platform/com/class_registry.h"
#include "platform/com/extent.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"
#include "tools/common/control_libraries.h"
#include "tools/common/output_file.h"
#include "tools/common/property_text.h"
#include "tools/common/version.h"

namespace brennix::render {
namespace {

constexpr const char* kProgram = "brennix-render";

// While it lives, the controls' messages go to the stream, counted.
class MessagesToStream {
  public:
    explicit MessagesToStream(std::ostream& err)
        : previous_(com::installMessageHandler([this, &err](const com::Message& m) {
              err << kProgram << ": message: " << m.text << "\n";
              ++count_;
          })) {}
    ~MessagesToStream() { com::installMessageHandler(std::move(previous_)); }
    MessagesToStream(const MessagesToStream&) = delete;
    MessagesToStream& operator=(const MessagesToStream&) = delete;
    int count() const { return count_; }

  private:
    int count_ = 0;
    com::MessageHandler previous_;
};

std::optional<std::string> readFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string failure(const com::Status& status) {
    return std::string(com::errorText(status.error()));
}

class Setup {
  public:
    Setup(com::Control& control, const MessagesToStream& messages, std::vector<std::string>& out)
        : control_(control), messages_(messages), problems_(out) {}

    // Runs one step; a message the control showed meanwhile is a problem too.
    template <class Step>
    void step(const std::string& what, Step&& run) {
        const int before = messages_.count();
        std::string why = run();
        if (why.empty() && messages_.count() != before) {
            why = "the control showed a message";
        }
        if (!why.empty()) {
            problems_.push_back(what + ": " + why);
        }
    }

    std::string assign(const std::string& name, const std::string& text) {
        const com::Member* member = control_.members().find(name);
        if (member == nullptr || member->kind != com::MemberKind::Property) {
            return "the control has no property " + name;
        }
        tools::TextValue value = tools::propertyValueFromText(*member, text);
        if (!value.value) {
            return value.error;
        }
        const com::Status status = control_.put(member->id, std::move(*value.value));
        return status ? std::string() : failure(status);
    }

    std::string call(const std::string& name, const std::string& text) {
        const com::Member* member = control_.members().find(name);
        if (member == nullptr || member->kind != com::MemberKind::Method) {
            return "the control has no method " + name;
        }
        tools::TextArguments args = tools::argumentsFromText(*member, text);
        if (!args.values) {
            return args.error;
        }
        auto result = control_.call(member->id, std::move(*args.values));
        return result ? std::string() : std::string(com::errorText(result.error()));
    }

  private:
    com::Control& control_;
    const MessagesToStream& messages_;
    std::vector<std::string>& problems_;
};

}  // namespace

Rendered renderControl(const RenderOptions& options, std::ostream& err) {
    Rendered rendered;
    MessagesToStream messages(err);
    const tools::LibraryLoad load = tools::loadSuiteLibraries();
    auto created = com::ClassRegistry::process().create(options.identifier);
    if (!created) {
        std::string why = "cannot create \"" + options.identifier +
                          "\": " + std::string(com::errorText(created.error()));
        for (const auto& problem : load.problems) {
            why += "\n  " + problem;
        }
        rendered.problems.push_back(why);
        return rendered;
    }
    std::shared_ptr<com::Control> control = *created;
    com::HeadlessSite site;
    site.ambientProperties().userMode = !options.design;
    site.attach(*control);
    control->ambientChanged();

    Setup setup(*control, messages, rendered.problems);
    if (!options.propertiesFile.empty()) {
        setup.step(options.propertiesFile, [&]() -> std::string {
            std::string error;
            auto text = readFile(options.propertiesFile, error);
            if (!text) {
                return error;
            }
            const com::Status status = com::PropertyExchange::load(*control, *text);
            return status ? std::string()
                          : "not a property document of this control (" + failure(status) + ")";
        });
    }
    for (const auto& [name, value] : options.assignments) {
        setup.step(name + "=" + value, [&, &n = name, &v = value] { return setup.assign(n, v); });
    }
    if (options.size) {
        control->setExtent(com::pixelsToHiMetric(*options.size, control->pixelsPerInch()));
    }
    for (const auto& [name, args] : options.calls) {
        setup.step("--call " + name, [&, &n = name, &a = args] { return setup.call(n, a); });
    }
    if (!rendered.problems.empty()) {
        return rendered;
    }
    const gfx::Size size = control->extentPixels();
    if (size.cx < 1 || size.cy < 1) {
        rendered.problems.push_back("the control has no area to paint (" + std::to_string(size.cx) +
                                    " x " + std::to_string(size.cy) + " pixels)");
        return rendered;
    }
    gfx::RasterCanvas canvas(size);
    canvas.fillRect({0, 0, size.cx, size.cy}, control->translateColor(site.ambient().backColor));
    control->draw(canvas, {0, 0, size.cx, size.cy});
    rendered.picture = canvas.bitmap();
    return rendered;
}

int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = parseRenderOptions(args);
    if (!parsed.options) {
        err << kProgram << ": " << parsed.error << "\n"
            << "Try '" << kProgram << " --help' for more information.\n";
        return kExitUsage;
    }
    const RenderOptions& options = *parsed.options;
    if (options.help) {
        out << kRenderUsage;
        return kExitRendered;
    }
    if (options.version) {
        out << tools::versionText(kProgram);
        return kExitRendered;
    }
    if (std::string problem = tools::outputProblem(options.output); !problem.empty()) {
        err << kProgram << ": " << problem << "\n";
        return kExitFailed;
    }
    const Rendered rendered = renderControl(options, err);
    if (!rendered.picture) {
        for (const auto& problem : rendered.problems) {
            err << kProgram << ": " << problem << "\n";
        }
        return kExitFailed;
    }
    std::string error;
    if (!tools::writeOutputFile(
            options.output, out,
            [&](const std::string& file, std::string& why) {
                return gfx::savePng(*rendered.picture, file, why);
            },
            error)) {
        err << kProgram << ": " << error << "\n";
        return kExitFailed;
    }
    return kExitRendered;
}

}  // namespace brennix::render
