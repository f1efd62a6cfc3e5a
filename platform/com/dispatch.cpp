#include "platform/com/dispatch.h"

namespace brennix::com {

Result<Variant> Dispatch::get(DispId id) {
    return invoke(id, InvokeKind::Get, {});
}

Result<Variant> Dispatch::get(std::string_view name) {
    auto id = idOfName(name);
    if (!id) {
        return id.error();
    }
    return get(*id);
}

Status Dispatch::put(DispId id, Variant value) {
    auto result = invoke(id, InvokeKind::Put, std::span<Variant>(&value, 1));
    if (!result) {
        return result.error();
    }
    return ok();
}

Status Dispatch::put(std::string_view name, Variant value) {
    auto id = idOfName(name);
    if (!id) {
        return id.error();
    }
    return put(*id, std::move(value));
}

Result<Variant> Dispatch::call(DispId id, std::vector<Variant> args) {
    return invoke(id, InvokeKind::Call, args);
}

Result<Variant> Dispatch::call(std::string_view name, std::vector<Variant> args) {
    auto id = idOfName(name);
    if (!id) {
        return id.error();
    }
    return call(*id, std::move(args));
}

}  // namespace brennix::com
