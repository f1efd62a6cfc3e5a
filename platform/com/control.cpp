#include "platform/com/control.h"

#include "platform/com/message_box.h"
#include "platform/com/property_exchange.h"

namespace brennix::com {
namespace {

// A new control's size before any container proposes one: 100 x 50 pixels.
constexpr gfx::Size kInitialPixels{100, 50};

}  // namespace

void Site::showMessage(Control& /*control*/, std::string_view text, std::string_view caption) {
    com::showMessage(text, caption, MessageOwner::Control);
}

Control::Control() : extent_(pixelsToHiMetric(kInitialPixels, Ambient{}.pixelsPerInch)) {}

Control::~Control() {
    if (site_ != nullptr) {
        site_->detach(*this);
    }
}

void Control::setSite(Site* site) {
    if (site_ != nullptr && site_ != site) {
        site_->detach(*this);
    }
    bool created = site != nullptr && site != site_;
    site_ = site;
    if (created) {
        onWindowCreated();
    }
}

void Control::ambientChanged() {
    onAmbientChanged();
    invalidate();
}

Ambient Control::ambient() const {
    return site_ != nullptr ? site_->ambient() : Ambient{};
}

void Control::resetToDefaults() {
    PropertyExchange::loadDefaults(*this);
}

void Control::draw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    onDraw(canvas, bounds);
}

void Control::invalidate(const std::optional<gfx::Rect>& area) {
    if (site_ != nullptr) {
        site_->invalidate(*this, area);
    }
}

void Control::refresh() {
    if (site_ != nullptr) {
        site_->updateNow(*this);
    }
}

gfx::ColorRef Control::translateColor(std::uint32_t color) const {
    return gfx::translateColor(color).value_or(gfx::rgb(0, 0, 0));
}

int Control::pixelsPerInch() const {
    int ppi = ambient().pixelsPerInch;
    return ppi > 0 ? ppi : 96;
}

gfx::Size Control::extentPixels() const {
    return hiMetricToPixels(extent_, pixelsPerInch());
}

gfx::Size Control::setExtent(gfx::Size himetric) {
    gfx::Size applied = onExtentProposed(himetric);
    applied.cx = std::max(applied.cx, 0);
    applied.cy = std::max(applied.cy, 0);
    if (!(applied == extent_)) {
        extent_ = applied;
        invalidate();
    }
    return applied;
}

bool Control::requestExtent(gfx::Size himetric) {
    gfx::Size applied = setExtent(himetric);
    return site_ != nullptr && site_->requestExtent(*this, applied);
}

WindowSurface Control::windowSurface() {
    return site_ != nullptr ? site_->windowSurface(*this) : WindowSurface{};
}

void Control::drawOnWindow(const std::function<void(gfx::Canvas&, const gfx::Rect&)>& paint) {
    WindowSurface surface = windowSurface();
    if (!surface) {
        invalidate();
        return;
    }
    const gfx::Size size = extentPixels();
    paint(*surface.canvas(), {0, 0, size.cx, size.cy});
}

bool Control::setTimer(std::uint32_t id, std::uint32_t milliseconds) {
    return site_ != nullptr && site_->setTimer(*this, id, milliseconds);
}

void Control::killTimer(std::uint32_t id) {
    if (site_ != nullptr) {
        site_->killTimer(*this, id);
    }
}

void Control::timerTick(std::uint32_t id) {
    onTimer(id);
}

void Control::showControlMessage(std::string_view text, std::string_view caption) {
    if (site_ != nullptr) {
        site_->showMessage(*this, text, caption);
    } else {
        showMessage(text, caption, MessageOwner::Control);
    }
}

AboutInfo Control::about() const {
    return {"About " + members().className(), members().className()};
}

void Control::aboutBox() {
    AboutInfo info = about();
    showControlMessage(info.text, info.caption);
}

void Control::propertyChanged(const Member& /*member*/) {
    invalidate();
    modified_ = true;
}

void Control::showPropertyMessage(std::string_view text) {
    showControlMessage(text);
}

void Control::propertiesLoaded() {
    modified_ = false;
    onPropertiesLoaded();
    invalidate();
}

std::uint32_t Control::advise(std::shared_ptr<EventSink> sink) {
    if (sink == nullptr) {
        return 0;
    }
    std::uint32_t cookie = nextCookie_++;
    if (nextCookie_ == 0) {
        nextCookie_ = 1;
    }
    sinks_.emplace_back(cookie, std::move(sink));
    return cookie;
}

Status Control::unadvise(std::uint32_t cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->first == cookie) {
            sinks_.erase(it);
            return ok();
        }
    }
    return Error::NoConnection;
}

Status Control::fireEvent(DispId id, std::span<Variant> args) {
    const Member* event = members().findEvent(id);
    if (event == nullptr) {
        return Error::MemberNotFound;
    }
    if (args.size() != event->params.size()) {
        return Error::BadArgCount;
    }
    // A sink may disconnect itself or others while the event runs.
    auto sinks = sinks_;
    for (auto& [cookie, sink] : sinks) {
        sink->onEvent(id, args);
    }
    return ok();
}

Status Control::fireEvent(std::string_view name, std::vector<Variant> args) {
    const Member* event = members().findEvent(name);
    if (event == nullptr) {
        return Error::MemberNotFound;
    }
    return fireEvent(event->id, std::span(args));
}

void Control::fireStock(StockEvent event, std::span<Variant> args) {
    // Controls that do not declare the stock events simply have none.
    (void)fireEvent(static_cast<DispId>(event), args);
}

void Control::mouseDown(MouseButton button, std::int16_t shift, int x, int y) {
    if (m_enabled) {
        onMouseDown(button, shift, x, y);
    }
}

void Control::mouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) {
    if (m_enabled) {
        onMouseMove(buttons, shift, x, y);
    }
}

void Control::mouseUp(MouseButton button, std::int16_t shift, int x, int y) {
    if (m_enabled) {
        onMouseUp(button, shift, x, y);
    }
}

void Control::doubleClick(MouseButton button, std::int16_t shift, int x, int y) {
    if (m_enabled) {
        onDoubleClick(button, shift, x, y);
    }
}

void Control::keyDown(std::int16_t& keyCode, std::int16_t shift) {
    if (m_enabled) {
        onKeyDown(keyCode, shift);
    }
}

void Control::keyPress(std::int16_t& keyAscii) {
    if (m_enabled) {
        onKeyPress(keyAscii);
    }
}

void Control::keyUp(std::int16_t& keyCode, std::int16_t shift) {
    if (m_enabled) {
        onKeyUp(keyCode, shift);
    }
}

namespace {

std::vector<Variant> mouseArgs(std::int16_t button, std::int16_t shift, int x, int y) {
    return {Variant(button), Variant(shift), Variant(std::int32_t{x}), Variant(std::int32_t{y})};
}

}  // namespace

void Control::onMouseDown(MouseButton button, std::int16_t shift, int x, int y) {
    pressed_ = button;
    auto args = mouseArgs(static_cast<std::int16_t>(button), shift, x, y);
    fireStock(StockEvent::MouseDown, args);
}

void Control::onMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) {
    auto args = mouseArgs(buttons, shift, x, y);
    fireStock(StockEvent::MouseMove, args);
}

void Control::onMouseUp(MouseButton button, std::int16_t shift, int x, int y) {
    auto args = mouseArgs(static_cast<std::int16_t>(button), shift, x, y);
    fireStock(StockEvent::MouseUp, args);
    // A click is a press and a release of the left button over the control.
    bool wasPressed = pressed_ == button;
    pressed_.reset();
    gfx::Size size = extentPixels();
    if (wasPressed && button == MouseButton::Left &&
        gfx::Rect{0, 0, size.cx, size.cy}.contains({x, y})) {
        fireStock(StockEvent::Click, {});
    }
}

void Control::onDoubleClick(MouseButton button, std::int16_t /*shift*/, int /*x*/, int /*y*/) {
    if (button == MouseButton::Left) {
        fireStock(StockEvent::DblClick, {});
    }
}

void Control::onKeyDown(std::int16_t& keyCode, std::int16_t shift) {
    std::vector<Variant> args{Variant(keyCode), Variant(shift)};
    fireStock(StockEvent::KeyDown, args);
    keyCode = args[0].toInt16().valueOr(keyCode);
}

void Control::onKeyPress(std::int16_t& keyAscii) {
    std::vector<Variant> args{Variant(keyAscii)};
    fireStock(StockEvent::KeyPress, args);
    keyAscii = args[0].toInt16().valueOr(keyAscii);
}

void Control::onKeyUp(std::int16_t& keyCode, std::int16_t shift) {
    std::vector<Variant> args{Variant(keyCode), Variant(shift)};
    fireStock(StockEvent::KeyUp, args);
    keyCode = args[0].toInt16().valueOr(keyCode);
}

}  // namespace brennix::com
