#pragma once
// The base of every embeddable control: stock properties, methods and events,
// the property change pattern, painting through a Canvas, invalidation, the
// modified flag, colour translation, ambient user mode, extent negotiation,
// window timers, event sinks and reset to the default set.
//
// A control derives from Control, keeps its properties as m_ members and
// returns its table from members() (see table_builder.h). It is created
// through createControl<T>() or a class factory, which load the defaults.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/automation_object.h"
#include "platform/com/event_sink.h"
#include "platform/com/extent.h"
#include "platform/com/site.h"
#include "platform/com/table_builder.h"
#include "platform/gfx/canvas.h"

namespace brennix::com {

enum class MouseButton : std::int16_t { Left = 1, Right = 2, Middle = 4 };

// Bits of the Shift argument of mouse and key events.
enum ShiftState : std::int16_t { kShift = 1, kCtrl = 2, kAlt = 4 };

enum class StockEvent : DispId {
    Click = -600,
    DblClick = -601,
    KeyDown = -602,
    KeyPress = -603,
    KeyUp = -604,
    MouseDown = -605,
    MouseMove = -606,
    MouseUp = -607,
};

struct AboutInfo {
    std::string caption;
    std::string text;
};

class Control : public AutomationObject {
  public:
    Control();
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Site and ambient properties; without a site the ambient defaults hold.
    void setSite(Site* site);
    Site* site() const { return site_; }
    Ambient ambient() const;
    bool ambientUserMode() const { return ambient().userMode; }
    // The container tells its controls that an ambient property changed.
    void ambientChanged();

    // Loads the default set (what a new control and a reset get).
    void resetToDefaults();
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Painting. bounds is where the control lies on the canvas.
    void draw(gfx::Canvas& canvas, const gfx::Rect& bounds);
    // True for a control whose draw sets every pixel of its bounds: its
    // container need not clear the background under it first.
    virtual bool paintsEveryPixel() const { return false; }
    void invalidate(const std::optional<gfx::Rect>& area = std::nullopt);
    void refresh();
    // A colour value as drawn: system colours looked up; a value that names
    // no colour gives black.
    gfx::ColorRef translateColor(std::uint32_t color) const;

    gfx::ColorRef backColor() const { return m_backColor; }
    gfx::ColorRef foreColor() const { return m_foreColor; }
    const gfx::Font& font() const { return m_font; }
    bool enabled() const { return m_enabled; }
    const std::string& caption() const { return m_caption; }
    std::int16_t borderStyle() const { return m_borderStyle; }

    // Extent in 0.01 mm. A host proposes with setExtent and gets back what
    // the control accepted; a control asks its container with requestExtent.
    gfx::Size extent() const { return extent_; }
    gfx::Size extentPixels() const;
    gfx::Size setExtent(gfx::Size himetric);
    bool requestExtent(gfx::Size himetric);
    int pixelsPerInch() const;

    // Host input in client pixels. A disabled control ignores input. From a
    // press to its release the host sends every move and the release to the
    // control that was pressed, also when the mouse has left its window
    // (positions then lie outside the client area).
    void mouseDown(MouseButton button, std::int16_t shift, int x, int y);
    void mouseMove(std::int16_t buttons, std::int16_t shift, int x, int y);
    void mouseUp(MouseButton button, std::int16_t shift, int x, int y);
    void doubleClick(MouseButton button, std::int16_t shift, int x, int y);
    void keyDown(std::int16_t& keyCode, std::int16_t shift);
    void keyPress(std::int16_t& keyAscii);
    void keyUp(std::int16_t& keyCode, std::int16_t shift);

    // A tick of a window timer armed with setTimer.
    void timerTick(std::uint32_t id);

    // Event sinks; a cookie of 0 is never handed out.
    std::uint32_t advise(std::shared_ptr<EventSink> sink);
    Status unadvise(std::uint32_t cookie);

    // Stock methods.
    void aboutBox();

  protected:
    template <class C>
    friend class TableBuilder;

    virtual void onDraw(gfx::Canvas& /*canvas*/, const gfx::Rect& /*bounds*/) {}
    // The extent handler: may adjust a proposed extent (0.01 mm).
    virtual gfx::Size onExtentProposed(gfx::Size himetric) { return himetric; }
    virtual void onTimer(std::uint32_t /*id*/) {}
    virtual AboutInfo about() const;
    virtual void onPropertiesLoaded() {}
    // The control has a window in a site (attached to one).
    virtual void onWindowCreated() {}
    virtual void onAmbientChanged() {}

    // Default input handling fires the stock events; overrides that keep the
    // events call these.
    virtual void onMouseDown(MouseButton button, std::int16_t shift, int x, int y);
    virtual void onMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y);
    virtual void onMouseUp(MouseButton button, std::int16_t shift, int x, int y);
    virtual void onDoubleClick(MouseButton button, std::int16_t shift, int x, int y);
    virtual void onKeyDown(std::int16_t& keyCode, std::int16_t shift);
    virtual void onKeyPress(std::int16_t& keyAscii);
    virtual void onKeyUp(std::int16_t& keyCode, std::int16_t shift);

    // The window to draw on outside a paint; empty without a site or when
    // the site lends none.
    WindowSurface windowSurface();
    // Draws at once on the window, in client coordinates (0, 0, width,
    // height); where no surface is lent the control is invalidated instead,
    // so the next paint shows the change.
    void drawOnWindow(const std::function<void(gfx::Canvas&, const gfx::Rect&)>& paint);
    // The extent of a new control, before any container proposes one; the
    // extent handler does not see it.
    void setInitialExtent(gfx::Size himetric) { extent_ = himetric; }

    bool setTimer(std::uint32_t id, std::uint32_t milliseconds);
    void killTimer(std::uint32_t id);

    // A modal message owned by this control.
    void showControlMessage(std::string_view text, std::string_view caption = {});

    // Fires an event to every sink, in the order they were connected.
    // MemberNotFound for an event the table does not declare, BadArgCount
    // for arguments that do not match its parameters.
    Status fireEvent(DispId id, std::span<Variant> args);
    Status fireEvent(DispId id, std::vector<Variant> args) {
        return fireEvent(id, std::span(args));
    }
    Status fireEvent(std::string_view name, std::vector<Variant> args);

    void propertyChanged(const Member& member) override;
    void showPropertyMessage(std::string_view text) override;
    void propertiesLoaded() override;

  private:
    void fireStock(StockEvent event, std::span<Variant> args);

    gfx::ColorRef m_backColor = gfx::systemColorRef(gfx::SystemColor::ButtonFace);
    gfx::ColorRef m_foreColor = gfx::systemColorRef(gfx::SystemColor::WindowText);
    gfx::Font m_font;
    bool m_enabled = true;
    std::string m_caption;
    std::int16_t m_borderStyle = 0;

    Site* site_ = nullptr;
    bool modified_ = false;
    gfx::Size extent_;
    std::optional<MouseButton> pressed_;
    std::vector<std::pair<std::uint32_t, std::shared_ptr<EventSink>>> sinks_;
    std::uint32_t nextCookie_ = 1;
};

// A new control with its default set loaded.
template <class T>
std::shared_ptr<T> createControl() {
    auto control = std::make_shared<T>();
    control->resetToDefaults();
    return control;
}

// Stock members, declared here because they live in the control base.
template <class C>
TableBuilder<C>& TableBuilder<C>::stock(Stock which) {
    static_assert(std::is_base_of_v<Control, C>, "stock members belong to controls");
    auto id = static_cast<DispId>(which);
    switch (which) {
        case Stock::BackColor:
            return addField<gfx::ColorRef>(
                       id, "BackColor",
                       [](C& c) -> gfx::ColorRef& { return c.Control::m_backColor; }, {}, true)
                .stockDefault([](const AutomationObject& o) {
                    return Variant::fromColor(static_cast<const Control&>(o).ambient().backColor);
                });
        case Stock::ForeColor:
            return addField<gfx::ColorRef>(
                       id, "ForeColor",
                       [](C& c) -> gfx::ColorRef& { return c.Control::m_foreColor; }, {}, true)
                .stockDefault([](const AutomationObject& o) {
                    return Variant::fromColor(static_cast<const Control&>(o).ambient().foreColor);
                });
        case Stock::Font:
            return addField<gfx::Font>(
                       id, "Font", [](C& c) -> gfx::Font& { return c.Control::m_font; }, {}, true)
                .stockDefault([](const AutomationObject& o) {
                    return fontToVariant(static_cast<const Control&>(o).ambient().font);
                });
        case Stock::Enabled:
            return addField<bool>(
                id, "Enabled", [](C& c) -> bool& { return c.Control::m_enabled; }, {.def = true},
                true);
        case Stock::Caption:
            return addField<std::string>(
                id, "Caption", [](C& c) -> std::string& { return c.Control::m_caption; }, {}, true);
        case Stock::BorderStyle:
            return addField<std::int16_t>(
                id, "BorderStyle", [](C& c) -> std::int16_t& { return c.Control::m_borderStyle; },
                {}, true);
        case Stock::Refresh:
            return addMethod<void>(
                id, "Refresh", [](C& c) { c.refresh(); }, {}, Visibility::Published);
        case Stock::AboutBox:
            return addMethod<void>(
                id, "AboutBox", [](C& c) { c.aboutBox(); }, {}, Visibility::Published);
    }
    return *this;
}

template <class C>
TableBuilder<C>& TableBuilder<C>::stockEvents() {
    auto add = [this](StockEvent e, std::string name, std::vector<Param> params) {
        Member m;
        m.id = static_cast<DispId>(e);
        m.name = std::move(name);
        m.kind = MemberKind::Event;
        m.params = std::move(params);
        members_.push_back(std::move(m));
    };
    std::vector<Param> mouse{{"Button", PropType::Int16},
                             {"Shift", PropType::Int16},
                             {"x", PropType::Int32},
                             {"y", PropType::Int32}};
    add(StockEvent::Click, "Click", {});
    add(StockEvent::DblClick, "DblClick", {});
    add(StockEvent::KeyDown, "KeyDown",
        {{"KeyCode", PropType::Int16, true}, {"Shift", PropType::Int16}});
    add(StockEvent::KeyPress, "KeyPress", {{"KeyAscii", PropType::Int16, true}});
    add(StockEvent::KeyUp, "KeyUp",
        {{"KeyCode", PropType::Int16, true}, {"Shift", PropType::Int16}});
    add(StockEvent::MouseDown, "MouseDown", mouse);
    add(StockEvent::MouseMove, "MouseMove", mouse);
    add(StockEvent::MouseUp, "MouseUp", mouse);
    return *this;
}

}  // namespace brennix::com
