#pragma once
// The pointer properties of a scale instrument's member table, eight at a
// time: Pointer1Value .. Pointer8Value, the visibilities and the colours.

#include <string>
#include <utility>
#include <vector>

#include "platform/com/table_builder.h"

namespace brennix::instruments {

namespace detail {

template <class C, std::size_t... I>
void pointerValues(com::TableBuilder<C>& b, std::index_sequence<I...>) {
    (b.template property<double>("Pointer" + std::to_string(I + 1) + "Value",
                                 &C::template pointerValue<I>, &C::template setPointerValue<I>,
                                 {.changed = &C::template pointerValueChanged<I>}),
     ...);
}

template <class C, std::size_t... I>
void pointerVisibles(com::TableBuilder<C>& b, std::index_sequence<I...>) {
    (b.template property<bool>("Pointer" + std::to_string(I + 1) + "Visible",
                               &C::template pointerVisible<I>, &C::template setPointerVisible<I>,
                               {.def = I == 0}),
     ...);
}

template <class C, std::size_t... I>
void pointerColors(com::TableBuilder<C>& b, std::index_sequence<I...>) {
    (b.template property<gfx::ColorRef>("Pointer" + std::to_string(I + 1) + "Color",
                                        &C::template pointerColor<I>,
                                        &C::template setPointerColor<I>),
     ...);
}

}  // namespace detail

template <class C>
void addPointerValues(com::TableBuilder<C>& b) {
    detail::pointerValues(b, std::make_index_sequence<8>{});
}
template <class C>
void addPointerVisibles(com::TableBuilder<C>& b) {
    detail::pointerVisibles(b, std::make_index_sequence<8>{});
}
template <class C>
void addPointerColors(com::TableBuilder<C>& b) {
    detail::pointerColors(b, std::make_index_sequence<8>{});
}

// The 24 persisted names: all values, all visibilities, all colours.
inline std::vector<com::PersistItem> pointerPersistOrder() {
    std::vector<com::PersistItem> order;
    for (const char* kind : {"Value", "Visible", "Color"}) {
        for (int n = 1; n <= 8; ++n) {
            const std::string name = "Pointer" + std::to_string(n) + kind;
            order.emplace_back(name.c_str());
        }
    }
    return order;
}

}  // namespace brennix::instruments
