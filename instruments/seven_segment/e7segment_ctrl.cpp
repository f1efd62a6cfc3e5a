#include "instruments/seven_segment/e7segment_ctrl.h"

#include <limits>
#include <utility>

#include "instruments/seven_segment/display_painter.h"

namespace brennix::instruments {

const com::MemberTable& CE7SegmentCtrl::table() {
    using C = CE7SegmentCtrl;
    constexpr std::int16_t kShortMax = std::numeric_limits<std::int16_t>::max();
    static const com::MemberTable members =
        com::TableBuilder<C>("7Segment")
            .property("Declined", &C::m_declined, {.def = false, .persisted = false})
            .property("DigitNumber", &C::m_digitNumber,
                      {.def = 3,
                       .bounds = com::Bounds<std::int16_t>{1, kShortMax, 3, kDigitNumberMessage}})
            .property("DigitAfterPoint", &C::m_digitAfterPoint,
                      {.def = 2, .changed = &C::digitAfterPointChanged})
            .property("PrefixedWithZero", &C::m_prefixedWithZero, {.def = true})
            .property("ShowUnusedSegment", &C::m_showUnusedSegment, {.def = true})
            .property("Value", &C::m_value, {.def = 3.67})
            .property("Ifsigned", &C::m_ifsigned, {.def = true})
            .stock(com::Stock::Refresh)
            .stock(com::Stock::BackColor)
            .stock(com::Stock::ForeColor)
            .stock(com::Stock::BorderStyle)
            .stock(com::Stock::AboutBox)
            .stockEvents()
            // Value is exchanged twice: a load keeps the stored value, a
            // reset ends on 3.67.
            .persistOrder({"DigitNumber",
                           "DigitAfterPoint",
                           {"Value", com::Variant(0.0)},
                           "PrefixedWithZero",
                           "Ifsigned",
                           "ShowUnusedSegment",
                           "Value"})
            .build();
    return members;
}

const com::MemberTable& CE7SegmentCtrl::members() const {
    return table();
}

void CE7SegmentCtrl::digitAfterPointChanged() {
    if (m_digitNumber < 0) {
        showPropertyMessage(kDigitNumberNegativeMessage);
        m_digitNumber = 3;
    }
}

void CE7SegmentCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    DisplaySettings s;
    s.digits = m_digitNumber;
    s.afterPoint = m_digitAfterPoint;
    s.prefixedWithZero = m_prefixedWithZero;
    s.showUnusedSegment = m_showUnusedSegment;
    s.ifSigned = m_ifsigned;
    s.declined = m_declined;
    s.value = m_value;
    s.foreColor = translateColor(foreColor());
    s.backColor = translateColor(backColor());
    PaintOutcome outcome = paintDisplay(canvas, bounds, s);
    // Negative settings are replaced where the paint found them.
    m_digitNumber = static_cast<std::int16_t>(outcome.digits);
    m_digitAfterPoint = static_cast<std::int16_t>(outcome.afterPoint);
    if (!outcome.messages.empty()) {
        deferMessages(std::move(outcome.messages));
    }
}

void CE7SegmentCtrl::deferMessages(std::vector<std::string> messages) {
    // The box on screen already says it; the next paint after it closes
    // finds the fault again if the host has not mended it.
    if (showing_) {
        return;
    }
    deferred_ = std::move(messages);
    if (!setTimer(kMessageTimer, 0)) {
        // Without a window there is no paint loop to stay out of.
        showDeferred();
    }
}

void CE7SegmentCtrl::onTimer(std::uint32_t id) {
    if (id == kMessageTimer) {
        killTimer(kMessageTimer);
        showDeferred();
    }
}

void CE7SegmentCtrl::showDeferred() {
    if (showing_) {
        return;
    }
    showing_ = true;
    const std::vector<std::string> messages = std::exchange(deferred_, {});
    for (const std::string& text : messages) {
        showControlMessage(text);
    }
    showing_ = false;
}

com::AboutInfo CE7SegmentCtrl::about() const {
    return {kE7SegmentAbout, kE7SegmentAbout};
}

}  // namespace brennix::instruments
