// The persisted property document of every control class: a document that
// does not load changes nothing; one that loads saves a document that loads
// into a fresh control and saves the same again; the control then starts
// and paints.
//
// Input: one byte choosing the class, then the document. With
// BRENNIX_FUZZ_SEEDS set to a folder, each class's default document is
// written there first as a seed.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/control_classes.h"
#include "platform/com/headless_site.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/raster_canvas.h"

namespace {

using namespace brennix;

[[noreturn]] void fault(const std::string& cls, const char* what, const std::string& text) {
    std::fprintf(stderr, "property_document_fuzz: %s: %s\n%s\n", cls.c_str(), what, text.c_str());
    std::abort();
}

// What a fresh control of each class saves: the same every time, so saved
// once rather than on every input.
const std::vector<std::string>& defaultDocuments() {
    static const auto documents = [] {
        std::vector<std::string> all;
        for (const auto& cls : fuzz::controlClasses()) {
            all.push_back(com::PropertyExchange::save(*fuzz::createControl(cls)));
        }
        return all;
    }();
    return documents;
}

void writeSeeds(const char* folder) {
    const auto& classes = fuzz::controlClasses();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        std::ofstream out(std::string(folder) + "/defaults-" + std::to_string(i), std::ios::binary);
        out << static_cast<char>(i) << defaultDocuments()[i];
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::quietMessages();
    (void)defaultDocuments();
    if (const char* seeds = std::getenv("BRENNIX_FUZZ_SEEDS")) {
        writeSeeds(seeds);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto& classes = fuzz::controlClasses();
    const std::size_t index = data[0] % classes.size();
    const auto& cls = classes[index];
    const std::string document(reinterpret_cast<const char*>(data) + 1, size - 1);

    auto control = fuzz::createControl(cls);
    const std::string& before = defaultDocuments()[index];
    if (!com::PropertyExchange::load(*control, document).ok()) {
        if (com::PropertyExchange::save(*control) != before) {
            fault(cls.progId, "a refused document changed the control", document);
        }
        return 0;
    }
    const std::string saved = com::PropertyExchange::save(*control);
    auto fresh = fuzz::createControl(cls);
    if (!com::PropertyExchange::load(*fresh, saved).ok()) {
        fault(cls.progId, "the saved document does not load", saved);
    }
    if (com::PropertyExchange::save(*fresh) != saved) {
        fault(cls.progId, "loaded and saved again, the document differs", saved);
    }

    com::HeadlessSite site;
    site.attach(*control);
    if (control->idOfName("InitControl").ok()) {
        (void)control->call("InitControl");
    }
    gfx::RasterCanvas canvas({48, 36});
    control->draw(canvas, {0, 0, 48, 36});
    return 0;
}
