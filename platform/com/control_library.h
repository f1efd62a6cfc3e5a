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

namespace brennix::com {

class ClassRegistry;
class ControlLibrary;

struct ClassEntry {
    std::string classId;  // "{...}"
    std::string progId;
    std::string typeName;
    std::function<std::shared_ptr<Control>()> create;

    template <class T>
    static ClassEntry of(std::string classId, std::string progId, std::string typeName) {
        return {std::move(classId), std::move(progId), std::move(typeName),
                [] { return std::shared_ptr<Control>(createControl<T>()); }};
    }
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

    const std::string& name() const { return name_; }
    const std::vector<ClassEntry>& classes() const { return classes_; }

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
    std::vector<ClassEntry> classes_;
    int locks_ = 0;
    int serverLocks_ = 0;
};

}  // namespace brennix::com

// The C entry points of a control library, named as the platform names them.
// DllGetClassObject hands out the class object through *factory.
#define BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(library)                                  \
    extern "C" __attribute__((visibility("default"))) int DllRegisterServer() {        \
        return (library).registerServer().code();                                      \
    }                                                                                  \
    extern "C" __attribute__((visibility("default"))) int DllUnregisterServer() {      \
        return (library).unregisterServer().code();                                    \
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
    }
