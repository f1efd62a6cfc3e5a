#include "platform/com/font_object.h"

#include "platform/com/table_builder.h"

namespace brennix::com {

const MemberTable& FontObject::members() const {
    static const MemberTable table = TableBuilder<FontObject>("Font")
                                         .property("Name", &FontObject::m_name)
                                         .property("Size", &FontObject::m_size)
                                         .property("Bold", &FontObject::m_bold)
                                         .property("Italic", &FontObject::m_italic)
                                         .build();
    return table;
}

Variant fontToVariant(const gfx::Font& font) {
    return Variant(std::shared_ptr<Dispatch>(std::make_shared<FontObject>(font)));
}

Result<gfx::Font> fontFromVariant(const Variant& value) {
    auto object = value.toDispatch();
    if (!object || *object == nullptr) {
        return Error::TypeMismatch;
    }
    Dispatch& font = **object;
    auto name = font.get("Name");
    auto size = font.get("Size");
    auto bold = font.get("Bold");
    auto italic = font.get("Italic");
    if (!name || !size || !bold || !italic) {
        return Error::TypeMismatch;
    }
    auto n = name->toString();
    auto s = size->toDouble();
    auto b = bold->toBool();
    auto i = italic->toBool();
    if (!n || !s || !b || !i) {
        return Error::TypeMismatch;
    }
    if (!(*s > 0.0 && *s < 1000.0)) {
        return Error::InvalidArgument;
    }
    return gfx::Font{*n, *s, *b, *i};
}

}  // namespace brennix::com
