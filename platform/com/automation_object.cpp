#include "platform/com/automation_object.h"

#include <cmath>
#include <optional>

#include "platform/com/message_box.h"

namespace brennix::com {

Result<DispId> AutomationObject::idOfName(std::string_view name) const {
    if (const Member* m = members().find(name)) {
        return m->id;
    }
    return Error::MemberNotFound;
}

Result<Variant> AutomationObject::invoke(DispId id, InvokeKind kind, std::span<Variant> args) {
    const Member* m = members().find(id);
    if (m == nullptr) {
        return Error::MemberNotFound;
    }
    switch (kind) {
        case InvokeKind::Get:
            if (m->kind != MemberKind::Property) {
                return Error::MemberNotFound;
            }
            if (!args.empty()) {
                return Error::BadArgCount;
            }
            return m->get(*this);
        case InvokeKind::Put: {
            if (m->kind != MemberKind::Property) {
                return Error::MemberNotFound;
            }
            if (args.size() != 1) {
                return Error::BadArgCount;
            }
            if (m->readOnly) {
                return Error::SetNotSupported;
            }
            // A Double property holds only what its persisted document can
            // hold. The control's own checks come first (and may refuse with
            // their message); a value that is still not a finite number is
            // taken back and refused.
            std::optional<Variant> before;
            if (m->type == PropType::Double) {
                before = m->get(*this);
            }
            auto status = m->put(*this, args[0]);
            if (!status) {
                return status.error();
            }
            if (before) {
                if (auto now = m->get(*this).toDouble(); now && !std::isfinite(*now)) {
                    (void)m->store(*this, *before);
                    return Error::Overflow;
                }
            }
            return Variant();
        }
        case InvokeKind::Call:
            if (m->kind != MemberKind::Method) {
                return Error::MemberNotFound;
            }
            return m->call(*this, args);
    }
    return Error::MemberNotFound;
}

void AutomationObject::showPropertyMessage(std::string_view text) {
    showMessage(text);
}

}  // namespace brennix::com
