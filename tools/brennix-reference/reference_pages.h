#pragma once
// The reference of the suite's controls as Markdown pages, written from
// their member tables (the one source of dispatch, persistence and pages):
// per control its properties with ids, types, defaults, valid values and
// what each code means, its methods, events and persisted set.

#include <map>
#include <string>
#include <vector>

#include "platform/com/control.h"
#include "platform/com/control_library.h"

namespace brennix::reference {

// A property page a control lists, as the page registry knows it.
struct DocumentedPage {
    std::string classId;  // "{...}"
    std::string progId;   // empty for the host's stock pages
    std::string title;
    bool registered = true;  // false: listed, but no page class has the identifier
};

// One class of a library, with a fresh instance to read defaults from and
// the pages it lists, in sheet order.
struct DocumentedClass {
    const com::ClassEntry* entry = nullptr;
    std::shared_ptr<com::Control> instance;
    std::vector<DocumentedPage> pages{};
};

struct DocumentedLibrary {
    std::string name;  // "trendwick": the file is libtrendwick.so
    const com::ControlLibrary* library = nullptr;
    std::vector<DocumentedClass> classes;
};

// The page file of a class, relative to the reference folder.
std::string pageName(const com::ClassEntry& entry);

// One page per class and an index (README.md), by file name.
std::map<std::string, std::string> referencePages(const std::vector<DocumentedLibrary>& libraries);

// The page of one class (the index links it).
std::string classPage(const DocumentedLibrary& library, const DocumentedClass& documented);

// How a value of the member reads in the reference: "1 (`PM_Stacked`)",
// "#FF00FF", "system colour 15", "true", "\"text\"".
std::string describeValue(const com::Member& member, const com::Variant& value);

// The valid values of a property as its table tests them, or empty.
std::string describeRange(const com::Member& member);

}  // namespace brennix::reference
