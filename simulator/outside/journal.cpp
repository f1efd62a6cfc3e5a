#include "simulator/outside/journal.h"

#include <utility>

namespace brennix::outside {
namespace {

void appendList(std::string& text, const std::vector<std::int64_t>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += std::to_string(values[i]);
    }
}

}  // namespace

std::string describe(const CallRecord& record) {
    std::string text = record.function + "(";
    appendList(text, record.arguments);
    text += ")";
    if (!record.outputs.empty()) {
        text += " -> ";
        appendList(text, record.outputs);
    }
    text += " = " + std::to_string(record.result);
    return text;
}

void Journal::add(CallRecord record) {
    // A demo that polls a counter for hours must not grow without bound.
    if (capacity_ == 0) {
        ++dropped_;
        return;
    }
    if (records_.size() >= capacity_) {
        records_.pop_front();
        ++dropped_;
    }
    records_.push_back(std::move(record));
}

void Journal::clear() {
    records_.clear();
    dropped_ = 0;
}

std::vector<CallRecord> Journal::callsTo(std::string_view function) const {
    std::vector<CallRecord> found;
    for (const auto& record : records_) {
        if (record.function == function) {
            found.push_back(record);
        }
    }
    return found;
}

std::vector<CallRecord> Journal::callsOf(Library library) const {
    std::vector<CallRecord> found;
    for (const auto& record : records_) {
        if (record.library == library) {
            found.push_back(record);
        }
    }
    return found;
}

std::vector<std::string> Journal::lines() const {
    std::vector<std::string> text;
    text.reserve(records_.size());
    for (const auto& record : records_) {
        text.push_back(describe(record));
    }
    return text;
}

std::vector<std::string> Journal::linesOf(Library library) const {
    std::vector<std::string> text;
    for (const auto& record : records_) {
        if (record.library == library) {
            text.push_back(describe(record));
        }
    }
    return text;
}

}  // namespace brennix::outside
