#pragma once
// What a control library offers: its classes, the registration entry points
// (register, unregister, get class object, can unload now) and the count of
// live objects and server locks that decides whether it may be unloaded.
//
//   ControlLibrary& library() {
//       static ControlLibrary lib("panelmoor", {
//           ClassEntry::of<CKnobCtrl>("{...}", "PANELMOOR.KnobCtrl.1", "Knob")});
//       return lib;
//   }
//   BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(library())

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/class_id.h"
#include "platform/com/control.h"
#include "platform/com/server_registration.h"

namespace brennix::com {

class ClassRegistry;
class ControlLibrary;

struct ClassEntry {
    std::string classId;  // "{...}"
    std::string progId;
    std::string typeName;
    std::function<std::shared_ptr<Control>()> create;
    // Type-library identities; empty where a class has none. The interface
    // identifiers, "{...}", are optional.
    std::string dispatchName{};  // "_DChart"
    std::string eventsName{};    // "_DChartEvents"
    std::string typeLibrary{};   // "TRENDWICKLib"
    std::string dispatchId{};
    std::string eventsId{};
    // The miscellaneous status flags its class key records (misc_status); 0: none.
    std::uint32_t miscStatus = 0;

    template <class T>
    static ClassEntry of(std::string classId, std::string progId, std::string typeName) {
        return {std::move(classId), std::move(progId), std::move(typeName),
                [] { return std::shared_ptr<Control>(createControl<T>()); }};
    }

    //   ClassEntry::of<CChartCtrl>("{27F9B3EA-...}", "TRENDWICK.ChartCtrl.1", "Chart Control 1.0")
    //       .withInterfaces("_DChart", "_DChartEvents")
    //       .inTypeLibrary("TRENDWICKLib")
    ClassEntry withInterfaces(std::string dispatch, std::string events,
                              std::string dispatchIid = {}, std::string eventsIid = {}) &&;
    ClassEntry inTypeLibrary(std::string name) &&;
    ClassEntry withMiscStatus(std::uint32_t flags) &&;

    // The name the type library gives the class: the dispatch interface's
    // name without its "_D" ("Chart"); empty without a dispatch interface.
    std::string coclassName() const;
    // "TRENDWICKLib.Chart", which creates the same class as the programmatic
    // identifier; empty without a type library or a dispatch interface.
    std::string typeLibraryAlias() const;
};

// Miscellaneous status flags of a control class, as its class key holds them.
namespace misc_status {
inline constexpr std::uint32_t RecomposeOnResize = 0x1;
inline constexpr std::uint32_t CannotLinkInside = 0x10;
inline constexpr std::uint32_t InsideOut = 0x80;
inline constexpr std::uint32_t ActivateWhenVisible = 0x100;
inline constexpr std::uint32_t SetClientSiteFirst = 0x20000;
}  // namespace misc_status

// A property-page class a library serves, registered with its controls so
// that hosts can find the pages the controls list.
struct PageClassEntry {
    std::string classId;  // "{...}"
    std::string progId;
    std::string typeName;
};

// The type library of a control library, as it is registered.
struct TypeLibraryInfo {
    std::string name;     // "TRENDWICKLib"
    std::string libId{};  // "{...}", optional
    std::string version = "1.0";
};

// Keeps a library loaded while it lives.
class LibraryLock {
  public:
    explicit LibraryLock(ControlLibrary& library);
    ~LibraryLock();
    LibraryLock(const LibraryLock& other);
    LibraryLock& operator=(const LibraryLock&) = delete;

  private:
    ControlLibrary* library_;
};

// The class object of one class: creates its controls.
class ClassFactory {
  public:
    ClassFactory(ControlLibrary& library, const ClassEntry& entry);

    // A new control with its defaults loaded; it keeps the library loaded
    // until it is released.
    Result<std::shared_ptr<Control>> createInstance();
    void lockServer(bool lock);

  private:
    ControlLibrary& library_;
    const ClassEntry& entry_;
    LibraryLock alive_;
};

class ControlLibrary {
  public:
    ControlLibrary(std::string name, std::vector<ClassEntry> classes);
    // Classes without a type library of their own are in `typeLibrary`.
    ControlLibrary(std::string name, TypeLibraryInfo typeLibrary, std::vector<ClassEntry> classes,
                   std::vector<PageClassEntry> pageClasses = {});

    const std::string& name() const { return name_; }
    const TypeLibraryInfo& typeLibrary() const { return typeLibrary_; }
    const std::vector<ClassEntry>& classes() const { return classes_; }
    const std::vector<PageClassEntry>& pageClasses() const { return pageClasses_; }

    // Registering twice is harmless; a class identifier or programmatic
    // identifier that another library holds is AlreadyRegistered, and then
    // nothing of this library is registered.
    Status registerServer();
    Status registerServer(ClassRegistry& registry);
    Status unregisterServer();
    Status unregisterServer(ClassRegistry& registry);
    Result<std::shared_ptr<ClassFactory>> getClassObject(const ClassId& classId);
    // No live object, class object or server lock.
    bool canUnloadNow() const { return locks_ == 0 && serverLocks_ == 0; }
    int lockCount() const { return locks_ + serverLocks_; }

  private:
    friend class LibraryLock;
    friend class ClassFactory;
    std::string name_;
    TypeLibraryInfo typeLibrary_;
    std::vector<ClassEntry> classes_;
    std::vector<PageClassEntry> pageClasses_;
    int locks_ = 0;
    int serverLocks_ = 0;
};

}  // namespace brennix::com

// The C entry points of a control library, named as the platform names them.
// DllRegisterServer registers the classes in the process and writes their
// keys in the store with this library's file; DllUnregisterServer undoes
// both. DllGetClassObject hands out the class object through *factory.
// BrennixControlLibrary is what on-demand loading registers the classes with.
#define BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(library)                                  \
    extern "C" __attribute__((visibility("default"))) int DllRegisterServer() {        \
        return ::brennix::com::registerLibraryServer(library, &(library)).code();      \
    }                                                                                  \
    extern "C" __attribute__((visibility("default"))) int DllUnregisterServer() {      \
        return ::brennix::com::unregisterLibraryServer(library, &(library)).code();    \
    }                                                                                  \
    extern "C" __attribute__((visibility("default"))) int DllCanUnloadNow() {          \
        return (library).canUnloadNow() ? 0 : 1;                                       \
    }                                                                                  \
    extern "C" __attribute__((visibility("default"))) int DllGetClassObject(           \
        const char* classId, std::shared_ptr<::brennix::com::ClassFactory>* factory) { \
        if (classId == nullptr || factory == nullptr) {                                \
            return ::brennix::com::errorCode(::brennix::com::Error::InvalidArgument);  \
        }                                                                              \
        auto id = ::brennix::com::ClassId::parse(classId);                             \
        if (!id) {                                                                     \
            return ::brennix::com::errorCode(id.error());                              \
        }                                                                              \
        auto object = (library).getClassObject(*id);                                   \
        if (!object) {                                                                 \
            return ::brennix::com::errorCode(object.error());                          \
        }                                                                              \
        *factory = std::move(*object);                                                 \
        return 0;                                                                      \
    }                                                                                  \
    extern "C" __attribute__((visibility("default"))) ::brennix::com::ControlLibrary*  \
    BrennixControlLibrary() {                                                          \
        return &(library);                                                             \
    }
