#include "instruments/pointer/pointer_object.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "instruments/pointer/pointer_class.h"
#include "platform/com/control_library.h"
#include "platform/com/headless_site.h"
#include "tests/instruments/instrument_fixture.h"

extern "C" int DllCanUnloadNow();
extern "C" int DllGetClassObject(const char* classId,
                                 std::shared_ptr<brennix::com::ClassFactory>* factory);

namespace brennix::instruments::testing {
namespace {

TEST(PointerObject, TakesBackAnyModeValueOrStyleUnchecked) {
    auto pointer = make<CPointer>();
    set(*pointer, "Mode", -5);
    set(*pointer, "Style", 99);
    set(*pointer, "Value", com::Variant(std::string("not a number")));
    EXPECT_EQ(*pointer->get("Mode")->toDouble(), -5);
    EXPECT_EQ(*pointer->get("Style")->toDouble(), 99);
    EXPECT_EQ(pointer->get("Value")->type(), com::VarType::String);
    set(*pointer, "Value", 2.5);
    EXPECT_EQ(*pointer->get("Value")->toDouble(), 2.5);
}

TEST(PointerObject, StartsAtZeroWithAnEmptyValue) {
    auto pointer = make<CPointer>();
    for (const char* name : {"Mode", "FillStyle", "FillColor", "PointerColor", "Style"}) {
        EXPECT_EQ(*pointer->get(name)->toDouble(), 0) << name;
    }
    EXPECT_FALSE(*pointer->get("Visible")->toBool());
    EXPECT_TRUE(pointer->get("Value")->isEmpty());
}

TEST(PointerObject, OnlyStyleIsInTheTypeInformationTheRestAnswerByName) {
    const com::MemberTable& t = CPointer::table();
    ASSERT_EQ(t.published().size(), 1U);
    EXPECT_EQ(t.published()[0]->name, "Style");
    EXPECT_EQ(t.published()[0]->id, 7);
    int id = 1;
    for (const char* name :
         {"Mode", "FillStyle", "FillColor", "PointerColor", "Visible", "Value"}) {
        ASSERT_NE(t.find(name), nullptr) << name;
        EXPECT_EQ(t.find(name)->id, id++) << name;
    }
    EXPECT_TRUE(t.persisted().empty());
}

TEST(PointerObject, AnAssignmentStoresAndDoesNothingElse) {
    auto pointer = make<CPointer>();
    com::HeadlessSite site;
    site.attach(*pointer);
    site.clearRecords();
    set(*pointer, "PointerColor", com::Variant::fromColor(0x00FF00));
    set(*pointer, "Visible", true);
    EXPECT_EQ(site.invalidations(), 0);
    EXPECT_FALSE(pointer->isModified());
}

TEST(PointerObject, KeepsTheLibraryLoadedWhileItLives) {
    std::shared_ptr<com::ClassFactory> factory;
    ASSERT_EQ(DllGetClassObject(std::string(kPointerClass.classId).c_str(), &factory), 0);
    auto pointer = factory->createInstance();
    ASSERT_TRUE(pointer.ok());
    EXPECT_EQ((*pointer)->members().className(), "Pointer");
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), 1);
    pointer->reset();
    EXPECT_EQ(DllCanUnloadNow(), 0);
}

}  // namespace
}  // namespace brennix::instruments::testing
