#include "tools/brennix-reference/reference_command.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "chart/pages/chart_pages.h"
#include "daq/orsino/orsino_page.h"
#include "daq/pellam/pellam_page.h"
#include "daq/quillet/quillet_page.h"
#include "daq/rastow/rastow_page.h"
#include "daq/sarnet/sarnet_page.h"
#include "daq/tolvan/tolvan_page.h"
#include "equipment/pages/equipment_pages.h"
#include "instruments/pages/panelmoor_pages.h"
#include "platform/com/message_box.h"
#include "platform/com/pages/page_registry.h"
#include "tools/brennix-reference/reference_pages.h"
#include "tools/common/command_line.h"
#include "tools/common/control_libraries.h"
#include "tools/common/version.h"

namespace brennix::reference {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgram = "brennix-reference";

constexpr const char* kUsage =
    "Usage: brennix-reference [--check] FOLDER\n"
    "Writes the reference of every control of the suite into FOLDER as Markdown, one\n"
    "page per control and an index (README.md), from the controls' member tables:\n"
    "properties with ids, types, defaults, valid values and what each code means,\n"
    "methods, events, property pages and the persisted values.\n"
    "\n"
    "      --check    change nothing; fail if FOLDER differs from what the tables give\n"
    "  -h, --help     show this text\n"
    "      --version  show the version\n"
    "\n"
    "The control libraries are found in $BRENNIX_CONTROL_PATH (folders separated by\n"
    "':') and in the lib folder beside the program's folder.\n"
    "Exit status: 0 done (or up to date), 1 out of date or a library missing, 2 a\n"
    "wrong command line.\n";

constexpr tools::OptionRule kRules[] = {{"check"}, {"help", 'h'}, {"version"}};

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> markdownFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec) && entry.path().extension() == ".md") {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

bool collect(std::vector<DocumentedLibrary>& libraries, std::ostream& err) {
    com::pages::PageRegistry pages;
    bool complete = registerSuitePages(pages, err);
    const tools::LibraryLoad load = tools::loadSuiteLibraries();
    for (const auto& name : load.missing) {
        err << kProgram << ": lib" << name << ".so is in none of the control library folders\n";
        complete = false;
    }
    for (const auto& problem : load.problems) {
        err << kProgram << ": " << problem << "\n";
        complete = false;
    }
    for (const tools::LoadedLibrary& loaded : load.loaded) {
        DocumentedLibrary library{loaded.name, loaded.library, {}};
        for (const com::ClassEntry& entry : loaded.library->classes()) {
            auto instance = entry.create();
            if (instance == nullptr) {
                err << kProgram << ": " << entry.progId << " could not be created\n";
                complete = false;
                continue;
            }
            auto listed = listedPages(pages, entry.classId);
            for (const DocumentedPage& page : listed) {
                if (!page.registered) {
                    err << kProgram << ": " << entry.progId << " lists the page " << page.classId
                        << ", which no page class has\n";
                    complete = false;
                }
            }
            library.classes.push_back({&entry, std::move(instance), std::move(listed)});
        }
        libraries.push_back(std::move(library));
    }
    return complete;
}

}  // namespace

bool registerSuitePages(com::pages::PageRegistry& registry, std::ostream& err) {
    const std::pair<const char*, com::Status (*)(com::pages::PageRegistry&)> registrations[] = {
        {"trendwick", chart::registerTrendwickPages},
        {"panelmoor", instruments::registerPanelmoorPages},
        {"plantwerk", equipment::registerPlantwerkPages},
        {"orsino", daq::orsino::registerPages},
        {"pellam", daq::pellam::registerPages},
        {"quillet", daq::quillet::registerPages},
        {"rastow", daq::rastow::registerPages},
        {"sarnet", daq::sarnet::registerPages},
        {"tolvan", daq::tolvan::registerPages}};
    bool complete = true;
    for (const auto& [name, registration] : registrations) {
        if (com::Status s = registration(registry); !s.ok()) {
            err << kProgram << ": the pages of lib" << name
                << ".so could not be registered: " << com::errorText(s.error()) << "\n";
            complete = false;
        }
    }
    return complete;
}

namespace {

DocumentedPage describePage(const com::pages::PageRegistry& registry, const std::string& id) {
    if (id == com::pages::kStockColorPageId) {
        return {id, "", "Colors (the host's stock colour page)"};
    }
    if (id == com::pages::kStockFontPageId) {
        return {id, "", "Fonts (the host's stock font page)"};
    }
    if (const com::pages::PageClass* page = registry.find(id)) {
        return {page->classId, page->progId, page->title};
    }
    return {id, "", "", false};
}

}  // namespace

std::vector<DocumentedPage> listedPages(const com::pages::PageRegistry& registry,
                                        std::string_view control) {
    std::vector<DocumentedPage> pages;
    for (const std::string& id : registry.pagesOf(control)) {
        pages.push_back(describePage(registry, id));
    }
    return pages;
}

std::vector<std::string> staleFiles(const fs::path& folder,
                                    const std::map<std::string, std::string>& pages) {
    std::vector<std::string> stale;
    for (const auto& [name, text] : pages) {
        auto current = readFile(folder / name);
        if (!current) {
            stale.push_back((folder / name).string() + " is missing");
        } else if (*current != text) {
            stale.push_back((folder / name).string() + " differs from the tables");
        }
    }
    for (const auto& name : markdownFiles(folder)) {
        if (pages.count(name) == 0) {
            stale.push_back((folder / name).string() + " is no control's page");
        }
    }
    return stale;
}

bool writePages(const fs::path& folder, const std::map<std::string, std::string>& pages,
                std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder.string() + ": " + ec.message();
        return false;
    }
    for (const auto& [name, text] : pages) {
        const fs::path path = folder / name;
        if (readFile(path) == text) {
            continue;
        }
        // Whole or not at all: written beside, then renamed over.
        const fs::path temporary = folder / ("." + name + ".tmp");
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << text;
            out.close();
            if (!out) {
                fs::remove(temporary, ec);
                error = "cannot write " + path.string();
                return false;
            }
        }
        fs::rename(temporary, path, ec);
        if (ec) {
            fs::remove(temporary, ec);
            error = "cannot write " + path.string() + ": " + ec.message();
            return false;
        }
    }
    for (const auto& name : markdownFiles(folder)) {
        if (pages.count(name) == 0) {
            fs::remove(folder / name, ec);
        }
    }
    return true;
}

int runReference(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const tools::ParsedArguments parsed = tools::parseArguments(args, kRules);
    bool check = false;
    for (const auto& option : parsed.options) {
        if (option.name == "help") {
            out << kUsage;
            return kExitDone;
        }
        if (option.name == "version") {
            out << tools::versionText(kProgram);
            return kExitDone;
        }
        check = check || option.name == "check";
    }
    if (!parsed.ok() || parsed.positional.size() != 1) {
        err << kProgram << ": "
            << (!parsed.ok()                ? parsed.error
                : parsed.positional.empty() ? "no folder given"
                                            : "one folder only")
            << "\nTry '" << kProgram << " --help' for more information.\n";
        return kExitUsage;
    }
    const fs::path folder = parsed.positional.front();
    // Whatever a control says while it is created is not the reference's business.
    const com::MessageHandler previous = com::installMessageHandler(
        [&err](const com::Message& m) { err << kProgram << ": message: " << m.text << "\n"; });
    std::vector<DocumentedLibrary> libraries;
    const bool complete = collect(libraries, err);
    const auto pages = referencePages(libraries);
    com::installMessageHandler(previous);
    if (!complete) {
        return kExitFailed;
    }
    if (check) {
        const auto stale = staleFiles(folder, pages);
        if (stale.empty()) {
            return kExitDone;
        }
        for (const auto& line : stale) {
            err << kProgram << ": " << line << "\n";
        }
        err << kProgram << ": " << folder.string()
            << " is out of date with the member tables; regenerate it with\n"
               "    cmake --build build --target reference-docs\n"
               "and commit the result\n";
        return kExitFailed;
    }
    std::string error;
    if (!writePages(folder, pages, error)) {
        err << kProgram << ": " << error << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace brennix::reference
