#pragma once
// The stock Font travels through dispatch as a font object with the
// properties Name, Size (points), Bold and Italic. Getting a control's Font
// gives a copy; putting any object with those properties sets it.

#include <memory>

#include "platform/com/automation_object.h"
#include "platform/gfx/canvas.h"

namespace brennix::com {

class FontObject final : public AutomationObject {
  public:
    explicit FontObject(const gfx::Font& font = {})
        : m_name(font.face), m_size(font.points), m_bold(font.bold), m_italic(font.italic) {}

    const MemberTable& members() const override;
    gfx::Font font() const { return {m_name, m_size, m_bold, m_italic}; }

  private:
    template <class C>
    friend class TableBuilder;
    std::string m_name;
    double m_size;
    bool m_bold;
    bool m_italic;
};

Variant fontToVariant(const gfx::Font& font);
// TypeMismatch unless the variant holds an object with the four properties.
Result<gfx::Font> fontFromVariant(const Variant& value);

}  // namespace brennix::com
