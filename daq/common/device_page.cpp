#include "daq/common/device_page.h"

#include <cstdio>

#include "daq/common/device_chooser.h"

namespace brennix::daq {

using namespace com::pages;

DevicePage::DevicePage(std::string title, ControlKind kind, std::string buttonLabel)
    : PropertyPage(std::move(title)), kind_(kind), button_(std::move(buttonLabel)) {}

void DevicePage::addDeviceFields() {
    Field number = textField("DeviceNumber", "");
    number.kind = FieldKind::HiddenEdit;
    number.hidden = true;
    add(std::move(number));
    Field button;
    button.kind = FieldKind::Button;
    button.label = button_;
    add(std::move(button));
}

std::int32_t DevicePage::deviceNumber() const {
    auto n = field("DeviceNumber")->value.toInt32();
    return n ? *n : -1;
}

void DevicePage::adaptTo(std::string_view boardName) {
    if (serves(kind_, boardName)) {
        adapt(*boardNamed(boardName));
    }
}

void DevicePage::opened() {
    if (auto board = boardOfDevice(kind_, deviceNumber())) {
        adaptTo(*board);
    }
    started();
}

void DevicePage::buttonPressed(Field& /*button*/) {
    DeviceChooser chooser(kind_);
    runChooser(chooser);
    if (!chooser.taken()) {
        return;
    }
    const std::string& name = *chooser.taken();
    const std::int32_t number = takeDevice(kind_, name);
    setValue("DeviceNumber", com::Variant(number));
    // The chooser let only a board of the control's column through.
    if (number != -1) {
        adaptTo(name.size() > 4 ? std::string_view(name).substr(4) : std::string_view{});
    }
}

std::vector<std::string> numberEntries(int count) {
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(std::to_string(i));
    }
    return entries;
}

std::vector<std::string> channelEntries(int count) {
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "Channel %2d", i);
        entries.emplace_back(text);
    }
    return entries;
}

void refill(Field& list, std::vector<std::string> entries) {
    list.entries = std::move(entries);
    list.locked = false;
}

com::Status registerDevicePage(com::pages::PageRegistry& registry, com::pages::PageClass page,
                               std::string_view controlClassId, std::string_view controlProgId) {
    const std::string pageId = page.classId;
    if (com::Status s = registry.add(std::move(page)); !s.ok())
        return s;
    return registry.list({std::string(controlClassId), std::string(controlProgId), {pageId}});
}

}  // namespace brennix::daq
