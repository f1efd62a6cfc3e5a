#pragma once
// Declares a class's member table. Ids are positions: properties and methods
// are numbered 1, 2, ... in the order they are declared, events likewise;
// stock members keep their negative ids.
//
//   static const MemberTable table = TableBuilder<CKnobCtrl>("Knob")
//       .stock(Stock::BackColor)
//       .property("PlotNum", &CChartCtrl::m_plotNum,
//                 {.def = 1, .bounds = Bounds<std::int16_t>{1, 8, 1, "PlotNum must between 1 to
//                 8"}})
//       .method("OpenDevice", &CORSINOCtrl::openDevice)
//       .event("OnTerminated")
//       .build();
//
// The change pattern of a put: convert (TypeMismatch, Overflow), test the
// limits (outside: refused with their message), ask accept (false refuses:
// nothing changes, the handler has said why), store, test the bounds
// (outside: the fixed message, then the reset value), run changed, then
// report the change (repaint request and modified flag for a control).

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/com/automation_object.h"
#include "platform/com/value_traits.h"

namespace brennix::com {

template <class T>
struct Bounds {
    T low{};
    T high{};
    T reset{};
    std::string message{};
};

// Refused before anything is stored: a value outside shows the message
// (through refuseProperty) and nothing changes. An end left empty is open;
// a value that is not a number is outside any end.
template <class T>
struct Limits {
    std::optional<T> low{};
    std::optional<T> high{};
    std::string message{};
};

template <class C, class T>
struct Prop {
    T def{};
    // A default taken from the object when defaults are loaded.
    T (C::*defaultFrom)() const = nullptr;
    std::optional<Bounds<T>> bounds{};
    std::optional<Limits<T>> limits{};
    bool (C::*accept)(T) = nullptr;
    void (C::*changed)() = nullptr;
    std::shared_ptr<const Enumeration> enumeration{};
    // What each value means, for a coded property that is no enumeration.
    std::shared_ptr<const Enumeration> codes{};
    bool readOnly = false;
    Visibility visibility = Visibility::Published;
    bool persisted = true;
    std::string persistName{};  // empty: the property's name
    bool notify = true;         // report the change (repaint, modified)
};

// One value of an explicit persistence order, optionally with a default of
// its own (a property may be exchanged twice with two defaults).
struct PersistItem {
    PersistItem(const char* n) : name(n) {}  // NOLINT: implicit by design
    PersistItem(std::string n, Variant d) : name(std::move(n)), def(std::move(d)) {}
    std::string name;
    std::optional<Variant> def;
};

enum class Stock : DispId {
    BackColor = -501,
    BorderStyle = -504,
    Font = -512,
    ForeColor = -513,
    Enabled = -514,
    Caption = -518,
    Refresh = -550,
    AboutBox = -552,
};

template <class C>
class TableBuilder {
  public:
    explicit TableBuilder(std::string className) : className_(std::move(className)) {}

    template <class T>
    TableBuilder& property(std::string name, T C::*field,
                           Prop<C, std::type_identity_t<T>> opts = {}) {
        return addField<T>(
            nextId_++, std::move(name), [field](C& c) -> T& { return c.*field; }, std::move(opts),
            false);
    }

    // A property over an accessor pair, for values the control computes.
    template <class T>
    TableBuilder& property(std::string name, T (C::*getter)() const, void (C::*setter)(T),
                           Prop<C, std::type_identity_t<T>> opts = {}) {
        return addProperty<T>(
            nextId_++, std::move(name), [getter](const C& c) -> T { return (c.*getter)(); },
            [setter](C& c, T v) { (c.*setter)(std::move(v)); }, std::move(opts), false);
    }

    template <class R, class... A>
    TableBuilder& method(std::string name, R (C::*fn)(A...),
                         std::vector<std::string> paramNames = {},
                         Visibility visibility = Visibility::Published) {
        return addMethod<R, A...>(
            nextId_++, std::move(name),
            [fn](C& c, std::decay_t<A>... args) -> R { return (c.*fn)(std::move(args)...); },
            std::move(paramNames), visibility);
    }

    template <class R, class... A>
    TableBuilder& method(std::string name, R (C::*fn)(A...) const,
                         std::vector<std::string> paramNames = {},
                         Visibility visibility = Visibility::Published) {
        return addMethod<R, A...>(
            nextId_++, std::move(name),
            [fn](C& c, std::decay_t<A>... args) -> R { return (c.*fn)(std::move(args)...); },
            std::move(paramNames), visibility);
    }

    TableBuilder& event(std::string name, std::vector<Param> params = {}) {
        Member m;
        m.id = nextEventId_++;
        m.name = std::move(name);
        m.kind = MemberKind::Event;
        m.params = std::move(params);
        members_.push_back(std::move(m));
        return *this;
    }

    // Stock members and the eight stock events; defined with the control base.
    TableBuilder& stock(Stock which);
    TableBuilder& stockEvents();

    // Persisted values in this order, after the persisted stock properties.
    // Without it every persisted property is saved in declaration order.
    TableBuilder& persistOrder(std::vector<PersistItem> order) {
        order_ = std::move(order);
        return *this;
    }

    MemberTable build() {
        std::vector<PersistEntry> persisted;
        auto add = [&](std::size_t index, const std::string& name, ValueFn def) {
            persisted.push_back({name, index, def ? std::move(def) : members_[index].defaultValue});
        };
        for (std::size_t i : stockPersisted_) {
            add(i, members_[i].name, {});
        }
        if (order_) {
            for (const auto& item : *order_) {
                std::size_t index = findPersisted(item.name);
                ValueFn def;
                if (item.def) {
                    def = [v = *item.def](const AutomationObject&) { return v; };
                }
                add(index, item.name, std::move(def));
            }
        } else {
            for (const auto& [index, name] : persistNames_) {
                if (!isStock(index)) {
                    add(index, name, {});
                }
            }
        }
        return MemberTable(className_, std::move(members_), std::move(persisted));
    }

  private:
    template <class T>
    static bool outside(const Limits<T>& limits, const T& value) {
        // Written so that a value that is not a number is outside.
        return (limits.low && !(value >= *limits.low)) || (limits.high && !(value <= *limits.high));
    }

    template <class T>
    static std::optional<ValueRange> rangeOf(const Prop<C, T>& opts) {
        if constexpr (std::is_arithmetic_v<T>) {
            auto number = [](const std::optional<T>& v) -> std::optional<double> {
                return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
            };
            if (opts.limits) {
                return ValueRange{number(opts.limits->low), number(opts.limits->high),
                                  ValueRange::Outside::Refused, std::nullopt, opts.limits->message};
            }
            if (opts.bounds) {
                return ValueRange{static_cast<double>(opts.bounds->low),
                                  static_cast<double>(opts.bounds->high),
                                  ValueRange::Outside::Reset,
                                  static_cast<double>(opts.bounds->reset), opts.bounds->message};
            }
        }
        return std::nullopt;
    }

    // Replaces the default of the member declared last.
    TableBuilder& stockDefault(ValueFn fn) {
        members_.back().defaultValue = std::move(fn);
        return *this;
    }

    template <class T, class Ref>
    TableBuilder& addField(DispId id, std::string name, Ref ref, Prop<C, T> opts, bool stock) {
        return addProperty<T>(
            id, std::move(name), [ref](const C& c) -> T { return ref(const_cast<C&>(c)); },
            [ref](C& c, T v) { ref(c) = std::move(v); }, std::move(opts), stock);
    }

    template <class T, class Get, class Set>
    TableBuilder& addProperty(DispId id, std::string name, Get get, Set set, Prop<C, T> opts,
                              bool stock) {
        using Traits = ValueTraits<T>;
        Member m;
        m.id = id;
        m.name = std::move(name);
        m.kind = MemberKind::Property;
        m.type = Traits::type;
        m.enumeration = opts.enumeration;
        m.codes = opts.codes;
        m.range = rangeOf(opts);
        m.readOnly = opts.readOnly;
        m.visibility = opts.visibility;
        m.get = [get](const AutomationObject& o) {
            return Traits::to(get(static_cast<const C&>(o)));
        };
        m.store = [set](AutomationObject& o, const Variant& v) -> Status {
            auto value = Traits::from(v);
            if (!value) {
                return value.error();
            }
            set(static_cast<C&>(o), std::move(*value));
            return ok();
        };
        if (opts.defaultFrom != nullptr) {
            m.defaultValue = [fn = opts.defaultFrom](const AutomationObject& o) {
                return Traits::to((static_cast<const C&>(o).*fn)());
            };
        } else {
            m.defaultValue = [v = Traits::to(opts.def)](const AutomationObject&) { return v; };
        }
        std::size_t index = members_.size();
        m.put = [get, set, opts, index](AutomationObject& o, const Variant& v) -> Status {
            auto value = Traits::from(v);
            if (!value) {
                return value.error();
            }
            C& c = static_cast<C&>(o);
            if constexpr (std::totally_ordered<T>) {
                if (opts.limits && outside(*opts.limits, *value)) {
                    o.refuseProperty(opts.limits->message);
                    return ok();
                }
            }
            if (opts.accept != nullptr && !(c.*opts.accept)(*value)) {
                return ok();
            }
            set(c, std::move(*value));
            if constexpr (std::totally_ordered<T>) {
                if (opts.bounds) {
                    T stored = get(c);
                    if (stored < opts.bounds->low || stored > opts.bounds->high) {
                        o.showPropertyMessage(opts.bounds->message);
                        set(c, opts.bounds->reset);
                    }
                }
            }
            if (opts.changed != nullptr) {
                (c.*opts.changed)();
            }
            if (opts.notify) {
                o.propertyChanged(o.members().member(index));
            }
            return ok();
        };
        members_.push_back(std::move(m));
        if (opts.persisted) {
            persistNames_.emplace_back(
                index, opts.persistName.empty() ? members_.back().name : opts.persistName);
            if (stock) {
                stockPersisted_.push_back(index);
            }
        }
        return *this;
    }

    template <class R, class... A, class F>
    TableBuilder& addMethod(DispId id, std::string name, F fn, std::vector<std::string> paramNames,
                            Visibility visibility) {
        Member m;
        m.id = id;
        m.name = std::move(name);
        m.kind = MemberKind::Method;
        m.type = ValueTraits<std::decay_t<R>>::type;
        m.visibility = visibility;
        constexpr PropType types[] = {ValueTraits<std::decay_t<A>>::type..., PropType::Void};
        for (std::size_t i = 0; i < sizeof...(A); ++i) {
            m.params.push_back(
                {i < paramNames.size() ? paramNames[i] : "arg" + std::to_string(i + 1), types[i]});
        }
        m.call = [fn](AutomationObject& o, std::span<Variant> args) -> Result<Variant> {
            if (args.size() != sizeof...(A)) {
                return Error::BadArgCount;
            }
            return callWith<R, A...>(static_cast<C&>(o), fn, args, std::index_sequence_for<A...>{});
        };
        members_.push_back(std::move(m));
        return *this;
    }

    template <class R, class... A, class F, std::size_t... I>
    static Result<Variant> callWith(C& c, const F& fn, [[maybe_unused]] std::span<Variant> args,
                                    std::index_sequence<I...>) {
        std::tuple<Result<std::decay_t<A>>...> converted{
            ValueTraits<std::decay_t<A>>::from(args[I])...};
        // The first argument that does not convert decides the error.
        std::optional<Error> failure;
        [[maybe_unused]] auto check = [&failure](const auto& r) {
            if (!failure && !r.ok()) {
                failure = r.error();
            }
        };
        (check(std::get<I>(converted)), ...);
        if (failure) {
            return *failure;
        }
        if constexpr (std::is_void_v<R>) {
            fn(c, std::move(std::get<I>(converted).value())...);
            return Variant();
        } else {
            return ValueTraits<std::decay_t<R>>::to(
                fn(c, std::move(std::get<I>(converted).value())...));
        }
    }

    std::size_t findPersisted(const std::string& name) const {
        for (const auto& [index, persistName] : persistNames_) {
            if (persistName == name) {
                return index;
            }
        }
        return SIZE_MAX;  // reported by the table's check
    }

    bool isStock(std::size_t index) const {
        for (std::size_t i : stockPersisted_) {
            if (i == index) {
                return true;
            }
        }
        return false;
    }

    std::string className_;
    std::vector<Member> members_;
    std::vector<std::pair<std::size_t, std::string>> persistNames_;
    std::vector<std::size_t> stockPersisted_;
    std::optional<std::vector<PersistItem>> order_;
    DispId nextId_ = 1;
    DispId nextEventId_ = 1;
};

}  // namespace brennix::com
