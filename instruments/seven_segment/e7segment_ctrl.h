#pragma once
// The E7Segment control: a number on a row of seven-segment digit cells,
// with a decimal point, an optional sign cell and dim unused segments.
//
// Messages found while painting are shown after the paint, from a 0 ms
// window timer, and not while one of them is already on screen: a host that
// repaints while the modal box is up (or in a loop) gets one box at a time,
// never a stack of them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/control.h"

namespace brennix::instruments {

inline constexpr const char* kDigitNumberMessage = "DigitNumber must be greater than 0";
inline constexpr const char* kDigitNumberNegativeMessage = "DigitNumber can't be negative!";
inline constexpr const char* kE7SegmentAbout = "7Segment, Version 1.0";

class CE7SegmentCtrl final : public com::Control {
  public:
    static constexpr std::uint32_t kMessageTimer = 1;

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    void onTimer(std::uint32_t id) override;
    com::AboutInfo about() const override;

  private:
    friend class com::TableBuilder<CE7SegmentCtrl>;

    void digitAfterPointChanged();
    void deferMessages(std::vector<std::string> messages);
    void showDeferred();

    bool m_declined = false;
    std::int16_t m_digitNumber = 3;
    std::int16_t m_digitAfterPoint = 2;
    bool m_prefixedWithZero = true;
    bool m_showUnusedSegment = true;
    double m_value = 3.67;
    bool m_ifsigned = true;

    std::vector<std::string> deferred_;
    bool showing_ = false;
};

}  // namespace brennix::instruments
