#include "qt/control_meta_object.h"

#include <QColor>
#include <QFont>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace brennix::qt {
namespace {

// moc's revision 10 layout (Qt 6.0 to 6.4): a header of 14 words, then the
// property entries, the enum entries and the enums' key/value pairs.
constexpr uint kRevision = 10;
constexpr uint kHeaderSize = 14;
constexpr uint kPropertyEntry = 5;  // name, type, flags, notify signal, revision
constexpr uint kEnumEntry = 5;      // name, alias, flags, key count, data offset
constexpr uint kUnresolvedType = 0x80000000U;

enum PropertyFlag : uint {
    Readable = 0x1,
    Writable = 0x2,
    Resettable = 0x4,
    EnumOrFlag = 0x8,
    Designable = 0x1000,
    Scriptable = 0x4000,
    Stored = 0x10000,
};

class Strings {
  public:
    uint add(const QByteArray& text) {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (texts_[i] == text) {
                return static_cast<uint>(i);
            }
        }
        texts_.push_back(text);
        return static_cast<uint>(texts_.size() - 1);
    }

    // Offset and length of each string, then the strings, each with its
    // terminating zero; offsets count from the start.
    std::vector<uint> build() const {
        std::size_t bytes = texts_.size() * 2 * sizeof(uint);
        for (const auto& t : texts_) {
            bytes += static_cast<std::size_t>(t.size()) + 1;
        }
        std::vector<uint> out((bytes + sizeof(uint) - 1) / sizeof(uint), 0);
        auto* chars = reinterpret_cast<char*>(out.data());
        std::size_t at = texts_.size() * 2 * sizeof(uint);
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            out[2 * i] = static_cast<uint>(at);
            out[2 * i + 1] = static_cast<uint>(texts_[i].size());
            std::memcpy(chars + at, texts_[i].constData(),
                        static_cast<std::size_t>(texts_[i].size()));
            at += static_cast<std::size_t>(texts_[i].size()) + 1;
        }
        return out;
    }

  private:
    std::vector<QByteArray> texts_;
};

QMetaType qtMetaTypeOf(const com::Member& m) {
    if (m.enumeration != nullptr) {
        return QMetaType::fromType<int>();
    }
    switch (m.type) {
        case com::PropType::Int16:
        case com::PropType::Int32:
            return QMetaType::fromType<int>();
        case com::PropType::Double:
            return QMetaType::fromType<double>();
        case com::PropType::Bool:
            return QMetaType::fromType<bool>();
        case com::PropType::String:
            return QMetaType::fromType<QString>();
        case com::PropType::Color:
            return QMetaType::fromType<QColor>();
        case com::PropType::Font:
            return QMetaType::fromType<QFont>();
        case com::PropType::Variant:
        case com::PropType::Void:
            break;
    }
    return QMetaType::fromType<QVariant>();
}

QByteArray enumNameOf(const com::Member& m) {
    return m.enumeration->name.empty() ? QByteArray::fromStdString(m.name + "Values")
                                       : QByteArray::fromStdString(m.enumeration->name);
}

}  // namespace

ControlMetaObject::ControlMetaObject(const QByteArray& className, const com::MemberTable& members,
                                     const QMetaObject& superclass) {
    std::vector<const com::Enumeration*> enums;
    std::vector<QByteArray> enumNames;
    for (const com::Member* m : members.published()) {
        if (m->kind != com::MemberKind::Property || m->name.empty() ||
            superclass.indexOfProperty(m->name.c_str()) >= 0) {
            continue;
        }
        properties_.push_back(m);
        if (m->enumeration != nullptr &&
            std::find(enumNames.begin(), enumNames.end(), enumNameOf(*m)) == enumNames.end()) {
            enums.push_back(m->enumeration.get());
            enumNames.push_back(enumNameOf(*m));
        }
    }

    Strings strings;
    const uint classNameIndex = strings.add(className);
    const auto propertyCount = static_cast<uint>(properties_.size());
    const auto enumCount = static_cast<uint>(enums.size());
    const uint propertiesAt = kHeaderSize;
    const uint enumsAt = propertiesAt + kPropertyEntry * propertyCount;
    data_ = {kRevision,
             classNameIndex,
             0,
             0,
             0,
             0,
             propertyCount,
             propertiesAt,
             enumCount,
             enumCount > 0 ? enumsAt : 0,
             0,
             0,
             0,
             0};
    for (const com::Member* m : properties_) {
        uint flags = Readable | Designable | Scriptable | Stored;
        if (!m->readOnly) {
            flags |= Writable;
        }
        if (m->defaultValue) {
            flags |= Resettable;
        }
        uint type = static_cast<uint>(qtMetaTypeOf(*m).id());
        if (m->enumeration != nullptr) {
            flags |= EnumOrFlag;
            type = kUnresolvedType | strings.add(enumNameOf(*m));
        }
        const uint name = strings.add(QByteArray::fromStdString(m->name));
        data_.insert(data_.end(), {name, type, flags, static_cast<uint>(-1), 0});
        metaTypes_.push_back(qtMetaTypeOf(*m).iface());
    }
    uint keysAt = enumsAt + kEnumEntry * enumCount;
    for (std::size_t i = 0; i < enums.size(); ++i) {
        const uint name = strings.add(enumNames[i]);
        const auto count = static_cast<uint>(enums[i]->values.size());
        data_.insert(data_.end(), {name, name, 0, count, keysAt});
        keysAt += 2 * count;
    }
    for (const com::Enumeration* e : enums) {
        for (const com::EnumValue& v : e->values) {
            data_.push_back(strings.add(QByteArray::fromStdString(v.name)));
            data_.push_back(static_cast<uint>(static_cast<int>(v.value)));
        }
    }
    data_.push_back(0);  // end of data
    // The class's own type comes after the properties'.
    metaTypes_.push_back(superclass.metaType().iface());
    strings_ = strings.build();

    object_.d.superdata = &superclass;
    object_.d.stringdata = strings_.data();
    object_.d.data = data_.data();
    object_.d.static_metacall = nullptr;
    object_.d.relatedMetaObjects = nullptr;
    object_.d.metaTypes = metaTypes_.data();
    object_.d.extradata = nullptr;
}

QMetaType ControlMetaObject::metaType(int local) const {
    return QMetaType(metaTypes_[static_cast<std::size_t>(local)]);
}

const ControlMetaObject& controlMetaObject(const QByteArray& className,
                                           const com::MemberTable& members,
                                           const QMetaObject& superclass) {
    static std::mutex mutex;
    static std::map<std::pair<QByteArray, const com::MemberTable*>,
                    std::unique_ptr<ControlMetaObject>>
        made;
    std::lock_guard lock(mutex);
    auto& entry = made[{className, &members}];
    if (entry == nullptr) {
        entry = std::make_unique<ControlMetaObject>(className, members, superclass);
    }
    return *entry;
}

}  // namespace brennix::qt
