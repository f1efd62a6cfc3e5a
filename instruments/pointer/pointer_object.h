#pragma once
// The library's Pointer object ("Panelmoor.Pointer"): seven plain stored
// fields that no control reads. Created through the class factory it keeps
// the library loaded while it lives, as every object of the library does.

#include <cstdint>

#include "platform/com/control.h"

namespace brennix::instruments {

enum class PointerStyle : std::int16_t { Thin = 0, ThreeD = 1, None = 2 };

class CPointer final : public com::Control {
  public:
    CPointer();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

  private:
    friend struct PointerMembers;
    std::int16_t m_mode = 0;
    std::int16_t m_fillStyle = 0;
    gfx::ColorRef m_fillColor = 0;
    gfx::ColorRef m_pointerColor = 0;
    bool m_visible = false;
    com::Variant m_value;
    std::int16_t m_style = 0;
};

}  // namespace brennix::instruments
