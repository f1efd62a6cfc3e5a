#include <gtest/gtest.h>

#include "platform/com/class_registry.h"
#include "platform/com/control_library.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

constexpr const char* kSampleClass = "{27F9B3EA-7379-11D4-A691-0050BAA83CEA}";
constexpr const char* kOtherClass = "{294C0AE3-74E1-11D4-A691-0050BAA83CEA}";

ControlLibrary& sampleLibrary() {
    static ControlLibrary library(
        "sample",
        {ClassEntry::of<CSampleCtrl>(kSampleClass, "SAMPLE.SampleCtrl.1", "Sample Control 1.0")});
    return library;
}

}  // namespace
}  // namespace brennix::com::testing

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(::brennix::com::testing::sampleLibrary())

namespace brennix::com::testing {
namespace {

TEST(ClassIdentifiers, ParseAndPrintInTheRegistryForm) {
    auto id = ClassId::parse("{27f9b3ea-7379-11d4-a691-0050baa83cea}");
    ASSERT_TRUE(id.ok());
    EXPECT_EQ(id->toString(), kSampleClass);
    EXPECT_EQ(*ClassId::parse("27F9B3EA-7379-11D4-A691-0050BAA83CEA"), *id);
    for (const char* bad :
         {"", "{}", "{27F9B3EA-7379-11D4-A691-0050BAA83CE}",
          "{27F9B3EA-7379-11D4-A691-0050BAA83CEG}", "{27F9B3EA+7379-11D4-A691-0050BAA83CEA}",
          "27F9B3EA-7379-11D4-A691-0050BAA83CEA}"}) {
        EXPECT_EQ(ClassId::parse(bad).error(), Error::InvalidArgument) << bad;
    }
}

class ClassRegistration : public ::testing::Test {
  protected:
    ClassRegistry registry;
    ControlLibrary& library = sampleLibrary();
};

TEST_F(ClassRegistration, ARegisteredClassIsCreatedByEitherIdentifier) {
    ASSERT_TRUE(library.registerServer(registry).ok());
    auto byProgId = registry.create("sample.samplectrl.1");
    ASSERT_TRUE(byProgId.ok());
    auto byClassId = registry.create(kSampleClass);
    ASSERT_TRUE(byClassId.ok());
    // Created controls start from their defaults.
    EXPECT_EQ(*(*byClassId)->get("PlotNum"), Variant(std::int16_t{1}));
    EXPECT_EQ(registry.classIdOf("SAMPLE.SampleCtrl.1")->toString(), kSampleClass);
    EXPECT_EQ(registry.find("SAMPLE.SampleCtrl.1")->typeName, "Sample Control 1.0");
}

TEST_F(ClassRegistration, UnknownIdentifiersAreNotRegistered) {
    ASSERT_TRUE(library.registerServer(registry).ok());
    EXPECT_EQ(registry.create("SAMPLE.Other.1").error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.create(kOtherClass).error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.create("{not a class}").error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.create("").error(), Error::ClassNotRegistered);
    EXPECT_EQ(library.getClassObject(*ClassId::parse(kOtherClass)).error(),
              Error::ClassNotRegistered);
}

TEST_F(ClassRegistration, RegisteringTwiceIsHarmlessAndUnregisteringRemovesTheClass) {
    ASSERT_TRUE(library.registerServer(registry).ok());
    ASSERT_TRUE(library.registerServer(registry).ok());
    EXPECT_EQ(registry.classes().size(), 1U);
    ASSERT_TRUE(library.unregisterServer(registry).ok());
    EXPECT_TRUE(registry.classes().empty());
    EXPECT_EQ(registry.create("SAMPLE.SampleCtrl.1").error(), Error::ClassNotRegistered);
}

TEST_F(ClassRegistration, AnIdentifierHeldByAnotherLibraryIsRefusedWhole) {
    ControlLibrary rival("rival", {ClassEntry::of<CSampleCtrl>(kOtherClass, "RIVAL.Ctrl.1", ""),
                                   ClassEntry::of<CSampleCtrl>(kSampleClass, "RIVAL.Ctrl.2", "")});
    ASSERT_TRUE(library.registerServer(registry).ok());
    EXPECT_EQ(rival.registerServer(registry).error(), Error::AlreadyRegistered);
    EXPECT_EQ(registry.classes().size(), 1U);
    EXPECT_FALSE(registry.find("RIVAL.Ctrl.1").has_value());
    // Unregistering the rival leaves the owner's class alone.
    ASSERT_TRUE(rival.unregisterServer(registry).ok());
    EXPECT_TRUE(registry.create("SAMPLE.SampleCtrl.1").ok());
}

TEST_F(ClassRegistration, ATypeLibraryAliasFindsTheClassAndCannotBeTakenTwice) {
    ControlLibrary chart(
        "trend", {"TRENDLib", "", "1.0"},
        {ClassEntry::of<CSampleCtrl>(kOtherClass, "TREND.ChartCtrl.1", "Chart Control 1.0")
             .withInterfaces("_DChart", "_DChartEvents")});
    const ClassEntry& entry = chart.classes().front();
    EXPECT_EQ(entry.typeLibrary, "TRENDLib");
    EXPECT_EQ(entry.coclassName(), "Chart");
    EXPECT_EQ(entry.typeLibraryAlias(), "TRENDLib.Chart");
    ASSERT_TRUE(chart.registerServer(registry).ok());
    EXPECT_EQ(registry.classIdOf("trendlib.chart")->toString(), kOtherClass);
    EXPECT_TRUE(registry.create("TRENDLib.Chart").ok());

    // A progId equal to that alias belongs to the class already there.
    ControlLibrary copycat("copycat",
                           {ClassEntry::of<CSampleCtrl>(kSampleClass, "TRENDLib.Chart", "")});
    EXPECT_EQ(copycat.registerServer(registry).error(), Error::AlreadyRegistered);
    EXPECT_EQ(
        registry
            .add({*ClassId::parse(kSampleClass), "OTHER.Ctrl.1", "", &copycat, "TREND.ChartCtrl.1"})
            .error(),
        Error::AlreadyRegistered);
    ASSERT_TRUE(chart.unregisterServer(registry).ok());
    EXPECT_FALSE(registry.find("TRENDLib.Chart").has_value());
}

TEST_F(ClassRegistration, AClassWithoutTypeLibraryOrDispatchInterfaceHasNoAlias) {
    EXPECT_EQ(library.classes().front().typeLibraryAlias(), "");
    auto noDispatch =
        ClassEntry::of<CSampleCtrl>(kOtherClass, "X.Ctrl.1", "").inTypeLibrary("XLib");
    EXPECT_EQ(noDispatch.typeLibraryAlias(), "");
    ASSERT_TRUE(library.registerServer(registry).ok());
    EXPECT_EQ(registry.find("SAMPLE.SampleCtrl.1")->typeLibraryAlias, "");
}

TEST_F(ClassRegistration, ALibraryWithABadClassIdentifierRegistersNothing) {
    ControlLibrary broken("broken", {ClassEntry::of<CSampleCtrl>("{123}", "BROKEN.Ctrl.1", "")});
    EXPECT_EQ(broken.registerServer(registry).error(), Error::InvalidArgument);
    EXPECT_TRUE(registry.classes().empty());
}

TEST_F(ClassRegistration, ALibraryStaysLoadedWhileItsObjectsOrLocksLive) {
    ASSERT_TRUE(library.registerServer(registry).ok());
    EXPECT_TRUE(library.canUnloadNow());
    auto control = registry.create("SAMPLE.SampleCtrl.1");
    ASSERT_TRUE(control.ok());
    EXPECT_FALSE(library.canUnloadNow());
    auto copy = *control;
    control->reset();
    EXPECT_FALSE(library.canUnloadNow());
    copy.reset();
    EXPECT_TRUE(library.canUnloadNow());

    auto factory = library.getClassObject(*ClassId::parse(kSampleClass));
    ASSERT_TRUE(factory.ok());
    auto fromFactory = (*factory)->createInstance();
    ASSERT_TRUE(fromFactory.ok());
    (*factory)->lockServer(true);
    auto factoryObject = *factory;
    factory = Error::ClassNotRegistered;
    fromFactory->reset();
    EXPECT_FALSE(library.canUnloadNow());
    factoryObject->lockServer(false);
    factoryObject->lockServer(false);  // one unlock too many is ignored
    EXPECT_FALSE(library.canUnloadNow());
    factoryObject.reset();
    EXPECT_TRUE(library.canUnloadNow());
}

TEST_F(ClassRegistration, TheLibraryResolverIsAskedForUnknownIdentifiersOnly) {
    std::vector<std::string> asked;
    registry.setLibraryResolver([&](std::string_view identifier) -> Status {
        asked.emplace_back(identifier);
        if (identifier == "SAMPLE.SampleCtrl.1") {
            return library.registerServer(registry);
        }
        return Error::ClassNotRegistered;
    });
    EXPECT_TRUE(registry.create("SAMPLE.SampleCtrl.1").ok());
    EXPECT_TRUE(registry.create("SAMPLE.SampleCtrl.1").ok());
    EXPECT_EQ(registry.create("OTHER.Ctrl.1").error(), Error::ClassNotRegistered);
    EXPECT_EQ(asked, (std::vector<std::string>{"SAMPLE.SampleCtrl.1", "OTHER.Ctrl.1"}));
}

TEST(LibraryEntryPoints, RegisterCreateAndUnloadThroughTheCEntryPoints) {
    ASSERT_EQ(DllRegisterServer(), 0);
    auto& registry = ClassRegistry::process();
    EXPECT_TRUE(registry.find("SAMPLE.SampleCtrl.1").has_value());
    std::shared_ptr<ClassFactory> factory;
    EXPECT_EQ(DllGetClassObject("{bad}", &factory), errorCode(Error::InvalidArgument));
    EXPECT_EQ(DllGetClassObject(kOtherClass, &factory), errorCode(Error::ClassNotRegistered));
    EXPECT_EQ(DllGetClassObject(kSampleClass, nullptr), errorCode(Error::InvalidArgument));
    ASSERT_EQ(DllGetClassObject(kSampleClass, &factory), 0);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(DllCanUnloadNow(), 1);
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), 0);
    auto control = registry.create("SAMPLE.SampleCtrl.1");
    ASSERT_TRUE(control.ok());
    EXPECT_EQ(DllCanUnloadNow(), 1);
    control->reset();
    ASSERT_EQ(DllUnregisterServer(), 0);
    EXPECT_FALSE(registry.find("SAMPLE.SampleCtrl.1").has_value());
    EXPECT_EQ(DllCanUnloadNow(), 0);
}

}  // namespace
}  // namespace brennix::com::testing
