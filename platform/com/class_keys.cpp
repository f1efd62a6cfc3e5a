#include "platform/com/class_keys.h"

#include <optional>
#include <utility>
#include <vector>

#include "platform/com/class_error.h"
#include "platform/com/control_library.h"
#include "platform/winreg/key.h"

namespace brennix::com {
namespace {

using winreg::ERROR_FILE_NOT_FOUND;
using winreg::ERROR_SUCCESS;
using winreg::HKEY_CURRENT_USER;
using winreg::Key;
using winreg::LONG;

std::string classesPath(std::string_view below) {
    std::string path(kClassesKey);
    path += '\\';
    path += below;
    return path;
}

std::string storeProblem(LONG rc) {
    std::string why = winreg::lastStoreError();
    if (why.empty()) {
        why = "registry call failed with code " + std::to_string(rc);
    }
    return why;
}

// Collects the writes of one registration and says which one failed.
class KeyWriter {
  public:
    bool ok() const { return rc_ == ERROR_SUCCESS; }
    LONG rc() const { return rc_; }
    const std::string& failedKey() const { return failedKey_; }

    void set(const std::string& below, const std::string& name, const std::string& value) {
        if (!ok()) {
            return;
        }
        Key key;
        const std::string path = classesPath(below);
        rc_ = Key::create(HKEY_CURRENT_USER, path, winreg::KEY_ALL_ACCESS, key);
        if (rc_ == ERROR_SUCCESS) {
            rc_ = key.setString(name, value);
        }
        if (!ok()) {
            failedKey_ = path;
        }
    }
    void create(const std::string& below) {
        if (!ok()) {
            return;
        }
        Key key;
        const std::string path = classesPath(below);
        rc_ = Key::create(HKEY_CURRENT_USER, path, winreg::KEY_ALL_ACCESS, key);
        if (!ok()) {
            failedKey_ = path;
        }
    }

  private:
    LONG rc_ = ERROR_SUCCESS;
    std::string failedKey_;
};

// A key name of its own: no path separator, nothing empty.
bool plainName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

Status checkEntry(const ClassEntry& entry, ClassId& id) {
    auto parsed = ClassId::parse(entry.classId);
    if (!parsed) {
        return classFailure(Error::InvalidArgument,
                            "\"" + entry.classId + "\" is not a class identifier");
    }
    id = *parsed;
    if (!plainName(entry.progId)) {
        return classFailure(Error::InvalidArgument, "the class " + id.toString() +
                                                        " has no usable programmatic "
                                                        "identifier (\"" +
                                                        entry.progId + "\")");
    }
    const std::string alias = entry.typeLibraryAlias();
    if (!alias.empty() && !plainName(alias)) {
        return classFailure(Error::InvalidArgument,
                            "the type-library alias \"" + alias + "\" is not a key name");
    }
    for (const auto* iid : {&entry.dispatchId, &entry.eventsId}) {
        if (!iid->empty() && !ClassId::parse(*iid)) {
            return classFailure(Error::InvalidArgument,
                                "\"" + *iid + "\" is not an interface identifier");
        }
    }
    return ok();
}

void writeEntry(KeyWriter& out, const ClassEntry& entry, const ClassId& id,
                const TypeLibraryInfo& typeLibrary, const std::string& libraryFile) {
    const std::string clsid = id.toString();
    const std::string alias = entry.typeLibraryAlias();
    for (const std::string& name : {entry.progId, alias}) {
        if (!name.empty()) {
            out.set(name, "", entry.typeName);
            out.set(name + "\\CLSID", "", clsid);
        }
    }
    const std::string classKey = "CLSID\\" + clsid;
    out.set(classKey, "", entry.typeName);
    out.set(classKey + "\\InprocServer32", "", libraryFile);
    out.set(classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    out.set(classKey + "\\ProgID", "", entry.progId);
    out.create(classKey + "\\Control");
    if (entry.miscStatus != 0) {
        out.set(classKey + "\\MiscStatus", "", "0");
        out.set(classKey + "\\MiscStatus\\1", "", std::to_string(entry.miscStatus));
    }
    if (entry.typeLibrary.empty()) {
        return;
    }
    const bool ownLibrary = entry.typeLibrary == typeLibrary.name;
    const std::string libId = ownLibrary ? typeLibrary.libId : std::string();
    const std::string version = ownLibrary ? typeLibrary.version : std::string("1.0");
    if (!libId.empty()) {
        out.set(classKey + "\\TypeLib", "", ClassId::parse(libId).valueOr(ClassId{}).toString());
    }
    out.set(classKey + "\\TypeLib", "Name", entry.typeLibrary);
    out.set(classKey + "\\Version", "", version);
    const std::pair<const std::string*, const std::string*> interfaces[] = {
        {&entry.dispatchId, &entry.dispatchName}, {&entry.eventsId, &entry.eventsName}};
    for (const auto& [iid, name] : interfaces) {
        if (iid->empty()) {
            continue;
        }
        const std::string interfaceKey = "Interface\\" + ClassId::parse(*iid)->toString();
        out.set(interfaceKey, "", *name);
        if (!libId.empty()) {
            out.set(interfaceKey + "\\TypeLib", "",
                    ClassId::parse(libId).valueOr(ClassId{}).toString());
            out.set(interfaceKey + "\\TypeLib", "Version", version);
        }
    }
}

void writePageClass(KeyWriter& out, const PageClassEntry& page, const ClassId& id,
                    const std::string& libraryFile) {
    const std::string clsid = id.toString();
    out.set(page.progId, "", page.typeName);
    out.set(page.progId + "\\CLSID", "", clsid);
    const std::string classKey = "CLSID\\" + clsid;
    out.set(classKey, "", page.typeName);
    out.set(classKey + "\\InprocServer32", "", libraryFile);
    out.set(classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    out.set(classKey + "\\ProgID", "", page.progId);
}

void writeTypeLibrary(KeyWriter& out, const TypeLibraryInfo& typeLibrary,
                      const std::string& libraryFile) {
    auto libId = ClassId::parse(typeLibrary.libId);
    if (typeLibrary.name.empty() || !libId) {
        return;
    }
    const std::string versionKey = "TypeLib\\" + libId->toString() + "\\" + typeLibrary.version;
    out.set(versionKey, "", typeLibrary.name);
    out.set(versionKey + "\\0\\win32", "", libraryFile);
}

// Deletes a key with all below it; a key that is not there is no failure.
LONG deleteTree(const std::string& below) {
    Key classes;
    LONG rc =
        Key::open(HKEY_CURRENT_USER, std::string(kClassesKey), winreg::KEY_ALL_ACCESS, classes);
    if (rc == ERROR_SUCCESS) {
        rc = classes.deleteTree(below);
    }
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

// The class a name key points to; nothing when the key or its CLSID is not
// there or does not parse.
LONG classOfName(const std::string& name, std::optional<ClassId>& out) {
    out.reset();
    Key key;
    LONG rc = Key::open(HKEY_CURRENT_USER, classesPath(name + "\\CLSID"), winreg::KEY_READ, key);
    std::string text;
    if (rc == ERROR_SUCCESS) {
        rc = key.queryString("", text);
    }
    if (rc == ERROR_SUCCESS) {
        if (auto id = ClassId::parse(text)) {
            out = *id;
        }
        return ERROR_SUCCESS;
    }
    return rc == ERROR_FILE_NOT_FOUND || rc == winreg::ERROR_UNSUPPORTED_TYPE ? ERROR_SUCCESS : rc;
}

LONG removeEntry(const ClassEntry& entry, const ClassId& id) {
    for (const std::string& name : {entry.progId, entry.typeLibraryAlias()}) {
        if (!plainName(name)) {
            continue;
        }
        std::optional<ClassId> holder;
        LONG rc = classOfName(name, holder);
        if (rc != ERROR_SUCCESS) {
            return rc;
        }
        if (!holder || *holder == id) {
            rc = deleteTree(name);
            if (rc != ERROR_SUCCESS) {
                return rc;
            }
        }
    }
    for (const auto* iid : {&entry.dispatchId, &entry.eventsId}) {
        if (auto parsed = ClassId::parse(*iid)) {
            LONG rc = deleteTree("Interface\\" + parsed->toString());
            if (rc != ERROR_SUCCESS) {
                return rc;
            }
        }
    }
    return deleteTree("CLSID\\" + id.toString());
}

LONG removeTypeLibrary(const TypeLibraryInfo& typeLibrary) {
    auto libId = ClassId::parse(typeLibrary.libId);
    if (!libId) {
        return ERROR_SUCCESS;
    }
    const std::string libKey = "TypeLib\\" + libId->toString();
    LONG rc = deleteTree(libKey + "\\" + typeLibrary.version);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    Key key;
    rc = Key::open(HKEY_CURRENT_USER, classesPath(libKey), winreg::KEY_READ, key);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return ERROR_SUCCESS;
    }
    std::vector<std::string> versions;
    if (rc == ERROR_SUCCESS) {
        rc = key.subkeyNames(versions);
    }
    if (rc == ERROR_SUCCESS && versions.empty()) {
        key.reset();
        rc = deleteTree(libKey);
    }
    return rc;
}

Status removeAll(const ControlLibrary& library) {
    for (const auto& entry : library.classes()) {
        auto id = ClassId::parse(entry.classId);
        if (!id) {
            continue;
        }
        LONG rc = removeEntry(entry, *id);
        if (rc != ERROR_SUCCESS) {
            return classFailure(
                Error::StoreFailure,
                "the keys of " + entry.progId + " could not be removed: " + storeProblem(rc));
        }
    }
    for (const auto& page : library.pageClasses()) {
        auto id = ClassId::parse(page.classId);
        if (!id) {
            continue;
        }
        LONG rc = removeEntry(ClassEntry{page.classId, page.progId, page.typeName, {}}, *id);
        if (rc != ERROR_SUCCESS) {
            return classFailure(
                Error::StoreFailure,
                "the keys of " + page.progId + " could not be removed: " + storeProblem(rc));
        }
    }
    LONG rc = removeTypeLibrary(library.typeLibrary());
    if (rc != ERROR_SUCCESS) {
        return classFailure(Error::StoreFailure, "the type library keys of " + library.name() +
                                                     " could not be removed: " + storeProblem(rc));
    }
    return ok();
}

}  // namespace

Status writeClassKeys(const ControlLibrary& library, const std::string& libraryFile) {
    clearClassError();
    std::vector<ClassId> ids;
    for (const auto& entry : library.classes()) {
        ClassId id;
        if (auto status = checkEntry(entry, id); !status) {
            return status;
        }
        ids.push_back(id);
    }
    std::vector<ClassId> pageIds;
    for (const auto& page : library.pageClasses()) {
        auto parsed = ClassId::parse(page.classId);
        if (!parsed || !plainName(page.progId)) {
            return classFailure(Error::InvalidArgument, "the page class \"" + page.classId +
                                                            "\" (\"" + page.progId +
                                                            "\") cannot be registered");
        }
        pageIds.push_back(*parsed);
    }
    const auto& typeLibrary = library.typeLibrary();
    if (!typeLibrary.libId.empty() && !ClassId::parse(typeLibrary.libId)) {
        return classFailure(Error::InvalidArgument,
                            "\"" + typeLibrary.libId + "\" is not a type library identifier");
    }
    if (!typeLibrary.name.empty() && (!plainName(typeLibrary.version))) {
        return classFailure(Error::InvalidArgument,
                            "\"" + typeLibrary.version + "\" is not a type library version");
    }
    KeyWriter out;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        writeEntry(out, library.classes()[i], ids[i], library.typeLibrary(), libraryFile);
    }
    for (std::size_t i = 0; i < pageIds.size(); ++i) {
        writePageClass(out, library.pageClasses()[i], pageIds[i], libraryFile);
    }
    writeTypeLibrary(out, library.typeLibrary(), libraryFile);
    if (!out.ok()) {
        const std::string why =
            "the key " + out.failedKey() + " could not be written: " + storeProblem(out.rc());
        (void)removeAll(library);
        return classFailure(Error::StoreFailure, why);
    }
    return ok();
}

Status removeClassKeys(const ControlLibrary& library) {
    clearClassError();
    return removeAll(library);
}

Result<StoredServer> findStoredServer(std::string_view identifier) {
    clearClassError();
    const std::string name(identifier);
    std::optional<ClassId> id;
    if (!name.empty() && name.front() == '{') {
        auto parsed = ClassId::parse(name);
        if (!parsed) {
            return classFailure(Error::ClassNotRegistered,
                                "\"" + name + "\" is not a class identifier");
        }
        id = *parsed;
    } else {
        if (!plainName(name)) {
            return classFailure(Error::ClassNotRegistered,
                                "\"" + name + "\" is not a programmatic identifier");
        }
        LONG rc = classOfName(name, id);
        if (rc != ERROR_SUCCESS) {
            return classFailure(Error::StoreFailure, storeProblem(rc));
        }
        if (!id) {
            return classFailure(Error::ClassNotRegistered, "no class is registered as " + name +
                                                               " (no key HKEY_CURRENT_USER\\" +
                                                               classesPath(name + "\\CLSID") +
                                                               " with a class identifier)");
        }
    }
    const std::string serverKey = classesPath("CLSID\\" + id->toString() + "\\InprocServer32");
    Key key;
    std::string file;
    LONG rc = Key::open(HKEY_CURRENT_USER, serverKey, winreg::KEY_READ, key);
    if (rc == ERROR_SUCCESS) {
        rc = key.queryString("", file);
    }
    if (rc == ERROR_FILE_NOT_FOUND || rc == winreg::ERROR_UNSUPPORTED_TYPE ||
        (rc == ERROR_SUCCESS && file.empty())) {
        return classFailure(Error::ClassNotRegistered, "the class " + id->toString() + " of " +
                                                           name +
                                                           " has no library file (no key "
                                                           "HKEY_CURRENT_USER\\" +
                                                           serverKey + " naming one)");
    }
    if (rc != ERROR_SUCCESS) {
        return classFailure(Error::StoreFailure, storeProblem(rc));
    }
    return StoredServer{*id, file};
}

}  // namespace brennix::com
