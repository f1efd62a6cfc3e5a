#include "qt/control_widget.h"

#include <QDynamicPropertyChangeEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTimerEvent>
#include <QTransform>
#include <cmath>
#include <map>
#include <utility>

#include "platform/com/class_registry.h"
#include "platform/com/event_sink.h"
#include "platform/com/extent.h"
#include "platform/com/message_box.h"
#include "platform/gfx/raster_canvas.h"
#include "qt/canvas_image.h"
#include "qt/control_catalogue.h"
#include "qt/key_codes.h"
#include "qt/message_boxes.h"
#include "qt/paint_messages.h"
#include "qt/variant_bridge.h"

namespace brennix::qt {
namespace {

// Logical pixels per inch of the extents a widget is laid out in.
constexpr int kLogicalPixelsPerInch = 96;

std::int16_t buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return static_cast<std::int16_t>(com::MouseButton::Left);
        case Qt::RightButton:
            return static_cast<std::int16_t>(com::MouseButton::Right);
        case Qt::MiddleButton:
            return static_cast<std::int16_t>(com::MouseButton::Middle);
        default:
            return 0;
    }
}

std::int16_t buttonsOf(Qt::MouseButtons buttons) {
    std::int16_t mask = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b) {
            mask |= buttonOf(b);
        }
    }
    return mask;
}

int intArg(std::span<com::Variant> args, std::size_t i) {
    return i < args.size() ? args[i].toInt32().valueOr(0) : 0;
}

}  // namespace

// What the container provides to its control.
class ControlWidget::Site final : public com::Site {
  public:
    explicit Site(ControlWidget& widget) : widget_(widget) {}

    com::Ambient ambient() const override {
        com::Ambient a;
        a.userMode = widget_.userMode_;
        a.pixelsPerInch =
            static_cast<int>(std::lround(kLogicalPixelsPerInch * widget_.pixelRatio()));
        a.displayName = widget_.objectName().toStdString();
        return a;
    }

    void invalidate(com::Control& /*control*/, const std::optional<gfx::Rect>& area) override {
        drawn_ = false;
        if (!area) {
            widget_.update();
            return;
        }
        const qreal r = widget_.pixelRatio();
        const int left = static_cast<int>(std::floor(area->left / r));
        const int top = static_cast<int>(std::floor(area->top / r));
        const int right = static_cast<int>(std::ceil(area->right / r));
        const int bottom = static_cast<int>(std::ceil(area->bottom / r));
        widget_.update(left, top, right - left, bottom - top);
    }

    void updateNow(com::Control& /*control*/) override {
        drawn_ = false;
        if (widget_.isVisible()) {
            widget_.repaint();
        } else {
            (void)paintFrame();
        }
    }

    bool setTimer(com::Control& /*control*/, std::uint32_t id, std::uint32_t ms) override {
        stopTimer(id);
        const int qtId = widget_.startTimer(
            static_cast<int>(std::min<std::uint32_t>(ms, INT32_MAX)), Qt::PreciseTimer);
        if (qtId == 0) {
            return false;
        }
        timers_[id] = qtId;
        return true;
    }

    void killTimer(com::Control& /*control*/, std::uint32_t id) override { stopTimer(id); }

    bool requestExtent(com::Control& /*control*/, gfx::Size himetric) override {
        widget_.negotiating_ = true;
        widget_.resize(widget_.logicalSizeOf(himetric));
        widget_.negotiating_ = false;
        widget_.updateGeometry();
        return true;
    }

    void showMessage(com::Control& /*control*/, std::string_view text,
                     std::string_view caption) override {
        MessageOwnerScope owner(&widget_);
        com::showMessage(text, caption, com::MessageOwner::Control);
    }

    void detach(com::Control& /*control*/) override {
        for (const auto& [id, qtId] : timers_) {
            widget_.QObject::killTimer(qtId);
        }
        timers_.clear();
    }

    // The control's id of a Qt timer; 0 for none of ours.
    std::optional<std::uint32_t> controlTimerOf(int qtId) const {
        for (const auto& [id, q] : timers_) {
            if (q == qtId) {
                return id;
            }
        }
        return std::nullopt;
    }

    bool timerArmed(std::uint32_t id) const { return timers_.contains(id); }

    // The canvas of the last frame, for drawing at once outside a paint;
    // what the control drew there is shown as it stands.
    com::WindowSurface windowSurface(com::Control& /*control*/) override {
        if (!canvas_ || !drawn_) {
            (void)paintFrame();
        }
        return com::WindowSurface(*canvas_, [this] { widget_.update(); });
    }

    // The next paint draws the control again.
    void redrawOnNextPaint() { drawn_ = false; }

    // Sizes the canvas to the widget in device pixels; the control hears of
    // its extent first.
    gfx::Size prepareFrame() {
        // A hidden widget gets its resize event only when shown; the
        // control hears of its new extent before it paints.
        if (widget_.control_ != nullptr && !widget_.negotiating_ &&
            !(widget_.control_->extent() ==
              com::pixelsToHiMetric({widget_.width(), widget_.height()}, kLogicalPixelsPerInch))) {
            widget_.proposeExtent();
        }
        const qreal r = widget_.pixelRatio();
        const gfx::Size size{static_cast<int>(std::lround(widget_.width() * r)),
                             static_cast<int>(std::lround(widget_.height() * r))};
        if (!canvas_ || !(canvas_->size() == size)) {
            canvas_ = std::make_unique<gfx::RasterCanvas>(size);
            drawn_ = false;
        }
        return size;
    }

    // Draws the control on the canvas, sized to the widget in device pixels.
    gfx::RasterCanvas* paintFrame() {
        const gfx::Size size = prepareFrame();
        if (widget_.control_ == nullptr || size.cx <= 0 || size.cy <= 0 || drawn_) {
            return canvas_.get();
        }
        drawn_ = true;
        drawControl(size);
        return canvas_.get();
    }

    // Whether a paint may draw the control straight on the paint device: it
    // has to draw again anyway, and the control draws its whole picture from
    // its own state, so drawing it once more for another device (a grab, the
    // canvas of a window surface) shows the same. A control that leaves
    // pixels, or changes with every draw, is drawn once on the canvas.
    bool mayPaintOver() const {
        return widget_.control_ != nullptr && !drawn_ && widget_.control_->paintsEveryPixel();
    }

    // Draws the control straight over `pixels`, memory of the paint device,
    // with the canvas and its state as ever: only the bitmap it draws on
    // differs, and the canvas's own one is back when this returns. That one
    // is then stale, so the next paint or window surface draws again.
    void paintOver(gfx::Bitmap pixels) {
        gfx::Bitmap& slot = canvas_->bitmap();
        struct Restore {
            gfx::Bitmap& slot;
            gfx::Bitmap own;
            ~Restore() { slot = std::move(own); }
        } restore{slot, std::move(slot)};
        const gfx::Size size = pixels.size();
        slot = std::move(pixels);
        drawControl(size);
    }

  private:
    void drawControl(gfx::Size size) {
        // The container's background under whatever the control leaves; a
        // control that covers its bounds leaves nothing.
        if (!widget_.control_->paintsEveryPixel()) {
            canvas_->bitmap().fill(gfx::pixelOf(widget_.control_->ambient().backColor));
        }
        PaintMessageScope messages(&widget_);
        widget_.control_->draw(*canvas_, {0, 0, size.cx, size.cy});
    }

    void stopTimer(std::uint32_t id) {
        auto it = timers_.find(id);
        if (it != timers_.end()) {
            widget_.QObject::killTimer(it->second);
            timers_.erase(it);
        }
    }

    ControlWidget& widget_;
    std::map<std::uint32_t, int> timers_;
    std::unique_ptr<gfx::RasterCanvas> canvas_;
    bool drawn_ = false;  // the canvas holds the control's current picture
};

ControlWidget::ControlWidget(QWidget* parent)
    : QWidget(parent), site_(std::make_unique<Site>(*this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The control paints every pixel; Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ControlWidget::ControlWidget(const QString& controlId, QWidget* parent) : ControlWidget(parent) {
    (void)setControlId(controlId);
}

ControlWidget::~ControlWidget() {
    releaseControl();
}

void ControlWidget::releaseControl() {
    if (control_ == nullptr) {
        return;
    }
    if (sinkCookie_ != 0) {
        (void)control_->unadvise(sinkCookie_);
        sinkCookie_ = 0;
    }
    control_->setSite(nullptr);
    control_.reset();
}

bool ControlWidget::setControlId(const QString& controlId) {
    if (control_ != nullptr && controlId == controlId_) {
        return true;
    }
    const std::string id = controlId.trimmed().toStdString();
    auto& registry = com::ClassRegistry::process();
    if (!registry.find(id)) {
        (void)loadCatalogueLibraries();
    }
    auto created = registry.create(id);
    if (!created) {
        lastError_ = QStringLiteral("no control class \"%1\" can be created: %2")
                         .arg(controlId, QString::fromUtf8(com::errorText(created.error()).data()));
        return false;
    }
    hostControl(std::move(*created), controlId.trimmed());
    return true;
}

void ControlWidget::hostControl(std::shared_ptr<com::Control> control, const QString& controlId) {
    releaseControl();
    lastError_.clear();
    control_ = std::move(control);
    controlId_ = controlId;
    CatalogueClass entry;
    invisibleAtRunTime_ =
        !controlId.isEmpty() && findCatalogueClass(controlId, entry) && entry.hardware;
    if (control_ == nullptr) {
        return;
    }
    sinkCookie_ = control_->advise(std::make_shared<com::FunctionSink>(
        [this](com::DispId id, std::span<com::Variant> args) { onControlEvent(id, args); }));
    control_->setSite(site_.get());
    site_->redrawOnNextPaint();
    // Values first: each put brings every property's value back to Qt.
    std::vector<std::pair<QString, QVariant>> pending;
    for (const QByteArray& name : std::exchange(pendingProperties_, {})) {
        pending.emplace_back(QString::fromUtf8(name), property(name.constData()));
    }
    for (const auto& [name, value] : pending) {
        (void)setControlProperty(name, value);
    }
    if (testAttribute(Qt::WA_Resized)) {
        proposeExtent();
    } else {
        // A widget nobody sized yet takes the control's own extent.
        negotiating_ = true;
        resize(logicalSizeOf(control_->extent()));
        negotiating_ = false;
    }
    updateGeometry();
    syncProperties();
    applyRunTimeVisibility();
    update();
}

void ControlWidget::setUserMode(bool userMode) {
    if (userMode == userMode_) {
        return;
    }
    userMode_ = userMode;
    if (control_ != nullptr) {
        control_->ambientChanged();
    }
    applyRunTimeVisibility();
}

void ControlWidget::applyRunTimeVisibility() {
    if (invisibleAtRunTime_ && userMode_) {
        hide();
    }
}

bool ControlWidget::timerArmed(std::uint32_t id) const {
    return site_->timerArmed(id);
}

qreal ControlWidget::pixelRatio() const {
    return devicePixelRatioF();
}

QSize ControlWidget::logicalSizeOf(gfx::Size himetric) const {
    gfx::Size px = com::hiMetricToPixels(himetric, kLogicalPixelsPerInch);
    return {px.cx, px.cy};
}

QSize ControlWidget::sizeHint() const {
    if (control_ == nullptr) {
        return QWidget::sizeHint();
    }
    return logicalSizeOf(control_->extent());
}

void ControlWidget::proposeExtent() {
    if (control_ == nullptr) {
        return;
    }
    const gfx::Size proposed = com::pixelsToHiMetric({width(), height()}, kLogicalPixelsPerInch);
    const gfx::Size accepted = control_->setExtent(proposed);
    const QSize size = logicalSizeOf(accepted);
    if (size != this->size()) {
        // A control that keeps its aspect or its own size has the last word.
        negotiating_ = true;
        resize(size);
        negotiating_ = false;
        updateGeometry();
    }
}

QVariant ControlWidget::controlProperty(const QString& name) const {
    if (control_ == nullptr) {
        return {};
    }
    const com::Member* member = control_->members().find(name.toStdString());
    if (member == nullptr || member->kind != com::MemberKind::Property) {
        return {};
    }
    auto value = control_->get(member->id);
    return value ? toQVariant(*value, member->type) : QVariant();
}

bool ControlWidget::setControlProperty(const QString& name, const QVariant& value) {
    if (control_ == nullptr) {
        return false;
    }
    const com::Member* member = control_->members().find(name.toStdString());
    if (member == nullptr || member->kind != com::MemberKind::Property) {
        lastError_ = QStringLiteral("%1 has no property %2")
                         .arg(QString::fromStdString(control_->members().className()), name);
        return false;
    }
    auto converted = toComVariant(value, *member);
    com::Status status = converted ? control_->put(member->id, std::move(*converted))
                                   : com::Status(converted.error());
    if (!status) {
        lastError_ = QStringLiteral("%1: %2").arg(
            name, QString::fromUtf8(com::errorText(status.error()).data()));
    }
    syncProperties();
    return status.ok();
}

QStringList ControlWidget::controlPropertyNames() const {
    QStringList names;
    if (control_ == nullptr) {
        return names;
    }
    for (const com::Member* m : control_->members().published()) {
        if (m->kind == com::MemberKind::Property) {
            names.append(QString::fromStdString(m->name));
        }
    }
    return names;
}

QVariant ControlWidget::callMethod(const QString& name, const QVariantList& arguments) {
    if (control_ == nullptr) {
        return {};
    }
    const com::Member* member = control_->members().find(name.toStdString());
    if (member == nullptr || member->kind != com::MemberKind::Method) {
        lastError_ = QStringLiteral("%1 has no method %2")
                         .arg(QString::fromStdString(control_->members().className()), name);
        return {};
    }
    std::vector<com::Variant> args;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const auto i16 = static_cast<std::size_t>(i);
        const com::PropType type =
            i16 < member->params.size() ? member->params[i16].type : com::PropType::Variant;
        auto converted = toComVariant(arguments[i], type);
        if (!converted) {
            lastError_ = QStringLiteral("%1: argument %2 has a type the method does not take")
                             .arg(name)
                             .arg(i + 1);
            return {};
        }
        args.push_back(std::move(*converted));
    }
    auto result = control_->call(member->id, std::move(args));
    syncProperties();
    if (!result) {
        lastError_ = QStringLiteral("%1: %2").arg(
            name, QString::fromUtf8(com::errorText(result.error()).data()));
        return {};
    }
    // A method without result answers true, so that success is visible.
    if (member->type == com::PropType::Void) {
        return true;
    }
    return toQVariant(*result, member->type);
}

void ControlWidget::syncProperties() {
    if (control_ == nullptr) {
        return;
    }
    ++syncing_;
    for (const com::Member* m : control_->members().published()) {
        if (m->kind != com::MemberKind::Property || m->name.empty()) {
            continue;
        }
        auto value = control_->get(m->id);
        if (!value) {
            continue;
        }
        QVariant q = toQVariant(*value, m->type);
        const QByteArray key = QByteArray::fromStdString(m->name);
        if (property(key.constData()) != q) {
            setProperty(key.constData(), q);
        }
    }
    --syncing_;
}

struct ControlWidget::PendingEvent {
    const com::Member& event;
    std::span<com::Variant> args;
};

bool ControlWidget::setEventArgument(int index, const QVariant& value) {
    if (event_ == nullptr || index < 0 || static_cast<std::size_t>(index) >= event_->args.size() ||
        static_cast<std::size_t>(index) >= event_->event.params.size()) {
        return false;
    }
    const com::Param& param = event_->event.params[static_cast<std::size_t>(index)];
    if (!param.byRef) {
        return false;
    }
    com::Variant& arg = event_->args[static_cast<std::size_t>(index)];
    auto converted = toComVariant(value, param.type);
    if (!converted) {
        return false;
    }
    auto typed = converted->changeType(arg.type());
    if (!typed) {
        return false;
    }
    arg = std::move(*typed);
    return true;
}

void ControlWidget::onControlEvent(com::DispId id, std::span<com::Variant> args) {
    const com::Member* event = control_ != nullptr ? control_->members().findEvent(id) : nullptr;
    if (event == nullptr) {
        return;
    }
    syncProperties();
    PendingEvent pending{*event, args};
    PendingEvent* outer = std::exchange(event_, &pending);
    QVariantList list;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const com::PropType type =
            i < event->params.size() ? event->params[i].type : com::PropType::Variant;
        list.append(toQVariant(args[i], type));
    }
    switch (static_cast<com::StockEvent>(id)) {
        case com::StockEvent::Click:
            emit Click();
            break;
        case com::StockEvent::DblClick:
            emit DblClick();
            break;
        case com::StockEvent::MouseDown:
            emit MouseDown(intArg(args, 0), intArg(args, 1), intArg(args, 2), intArg(args, 3));
            break;
        case com::StockEvent::MouseMove:
            emit MouseMove(intArg(args, 0), intArg(args, 1), intArg(args, 2), intArg(args, 3));
            break;
        case com::StockEvent::MouseUp:
            emit MouseUp(intArg(args, 0), intArg(args, 1), intArg(args, 2), intArg(args, 3));
            break;
        case com::StockEvent::KeyDown:
            emit KeyDown(intArg(args, 0), intArg(args, 1));
            break;
        case com::StockEvent::KeyPress:
            emit KeyPress(intArg(args, 0));
            break;
        case com::StockEvent::KeyUp:
            emit KeyUp(intArg(args, 0), intArg(args, 1));
            break;
    }
    emit controlEvent(QString::fromStdString(event->name), list);
    event_ = outer;
}

bool ControlWidget::event(QEvent* event) {
    if (event->type() == QEvent::DynamicPropertyChange && syncing_ == 0 && control_ == nullptr) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        if (!pendingProperties_.contains(name)) {
            pendingProperties_.append(name);
        }
    }
    if (event->type() == QEvent::DynamicPropertyChange && syncing_ == 0 && control_ != nullptr) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        const com::Member* member = control_->members().find(name.toStdString());
        if (member != nullptr && member->kind == com::MemberKind::Property) {
            (void)setControlProperty(QString::fromUtf8(name), property(name.constData()));
            return true;
        }
    }
    return QWidget::event(event);
}

QImage ControlWidget::renderFrame() {
    site_->redrawOnNextPaint();
    return imageOverBitmap(site_->paintFrame()->bitmap()).copy();
}

void ControlWidget::paintEvent(QPaintEvent* event) {
    const gfx::Size size = site_->prepareFrame();
    QPainter painter(this);
    paintedInPlace_ = false;
    if (site_->mayPaintOver()) {
        gfx::Bitmap pixels = devicePixels(painter, event->region(), size);
        if (!pixels.isEmpty()) {
            site_->paintOver(std::move(pixels));
            paintedInPlace_ = true;
            return;
        }
    }
    gfx::RasterCanvas* canvas = site_->paintFrame();
    const QImage image = imageOverBitmap(canvas->bitmap(), pixelRatio());
    if (image.isNull()) {
        return;
    }
    painter.drawImage(QPointF(0, 0), image);
}

// The widget's pixels in the paint device's own memory, when the canvas can
// draw there as Qt would have drawn its image: a raster image of 32-bit
// opaque-compatible pixels, one device pixel per canvas pixel, no scaling,
// and the whole widget inside both the image and what this paint may touch.
// Empty otherwise.
gfx::Bitmap ControlWidget::devicePixels(QPainter& painter, const QRegion& region,
                                        gfx::Size size) const {
    if (size.cx <= 0 || size.cy <= 0 || pixelRatio() != 1 || size.cx != width() ||
        size.cy != height()) {
        return {};
    }
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
        return {};
    }
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        return {};
    }
    auto* image = static_cast<QImage*>(device);
    // Both store a pixel as the canvas does, 0xAARRGGBB in a native word;
    // the canvas's pixels are opaque, so premultiplying changes nothing.
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        image->depth() != 32 || image->devicePixelRatio() != 1 || !image->isDetached() ||
        image->bytesPerLine() % static_cast<qsizetype>(sizeof(gfx::Pixel)) != 0) {
        return {};
    }
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::round(transform.dx()) ||
        transform.dy() != std::round(transform.dy())) {
        return {};
    }
    const QRect target(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()), size.cx,
                       size.cy);
    if (!image->rect().contains(target) || !QRegion(rect()).subtracted(region).isEmpty()) {
        return {};
    }
    // Pixels outside the clip belong to other widgets.
    const QRegion systemClip = engine->systemClip();
    if (!systemClip.isEmpty() && !QRegion(target).subtracted(systemClip).isEmpty()) {
        return {};
    }
    if (painter.hasClipping() &&
        !QRegion(target).subtracted(transform.map(painter.clipRegion())).isEmpty()) {
        return {};
    }
    auto* first = reinterpret_cast<gfx::Pixel*>(image->scanLine(target.top())) + target.left();
    return gfx::Bitmap::borrow(first, size.cx, size.cy,
                               image->bytesPerLine() / static_cast<qsizetype>(sizeof(gfx::Pixel)));
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!negotiating_) {
        proposeExtent();
    }
}

void ControlWidget::forwardButton(QMouseEvent* event, ButtonHandler handler) {
    if (control_ == nullptr) {
        return;
    }
    const std::int16_t button = buttonOf(event->button());
    if (button == 0) {
        return;
    }
    const QPointF p = event->position() * pixelRatio();
    (control_.get()->*handler)(static_cast<com::MouseButton>(button),
                               shiftStateOf(event->modifiers()), qFloor(p.x()), qFloor(p.y()));
    syncProperties();
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    forwardButton(event, &com::Control::mouseDown);
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    forwardButton(event, &com::Control::mouseUp);
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    forwardButton(event, &com::Control::doubleClick);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    if (control_ == nullptr) {
        return;
    }
    const QPointF p = event->position() * pixelRatio();
    control_->mouseMove(buttonsOf(event->buttons()), shiftStateOf(event->modifiers()),
                        qFloor(p.x()), qFloor(p.y()));
    syncProperties();
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    if (control_ == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::int16_t shift = shiftStateOf(event->modifiers());
    if (auto code = virtualKeyOf(*event)) {
        std::int16_t keyCode = *code;
        control_->keyDown(keyCode, shift);
    }
    if (auto ascii = keyAsciiOf(*event)) {
        std::int16_t keyAscii = *ascii;
        control_->keyPress(keyAscii);
    }
    syncProperties();
}

void ControlWidget::keyReleaseEvent(QKeyEvent* event) {
    if (control_ == nullptr || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (auto code = virtualKeyOf(*event)) {
        std::int16_t keyCode = *code;
        control_->keyUp(keyCode, shiftStateOf(event->modifiers()));
    }
    syncProperties();
}

void ControlWidget::timerEvent(QTimerEvent* event) {
    auto id = site_->controlTimerOf(event->timerId());
    if (!id || control_ == nullptr) {
        QWidget::timerEvent(event);
        return;
    }
    control_->timerTick(*id);
}

}  // namespace brennix::qt
