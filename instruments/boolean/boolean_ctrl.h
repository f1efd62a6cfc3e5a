#pragma once
// The Boolean control: a row or column of bevelled toggle buttons whose
// states are the bits of Value.

#include <cstdint>
#include <memory>

#include "platform/com/control.h"

namespace brennix::instruments {

inline constexpr const char* kBooleanAbout = "Boolean, Version 1.0";

class CBooleanCtrl final : public com::Control {
  public:
    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    static std::shared_ptr<const com::Enumeration> directions();
    static std::shared_ptr<const com::Enumeration> indexDirections();

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    void onMouseDown(com::MouseButton button, std::int16_t shift, int x, int y) override;
    com::AboutInfo about() const override;

  private:
    friend class com::TableBuilder<CBooleanCtrl>;

    void oneOnFlagChanged();

    std::int16_t m_style = 0;
    std::int32_t m_distance = 0;
    std::int16_t m_orientation = 0;
    std::int32_t m_value = 0;
    gfx::ColorRef m_btnColor = 0xFFFF00;
    bool m_stateText = true;
    std::int16_t m_btnNum = 1;
    std::int16_t m_switchOrientation = 1;
    bool m_oneOnFlag = false;
    bool m_indexText = true;
    std::int16_t m_indexSequence = 0;
};

}  // namespace brennix::instruments
