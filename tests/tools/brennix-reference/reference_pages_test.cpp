#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chart/control/chart_ctrl.h"
#include "chart/control/trendwick_library.h"
#include "tools/brennix-reference/reference_command.h"
#include "tools/brennix-reference/reference_pages.h"

namespace brennix::reference {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// One member of each kind the reference describes.
class CSheetCtrl final : public com::Control {
  public:
    const com::MemberTable& members() const override {
        using C = CSheetCtrl;
        static const auto kShade = std::make_shared<const com::Enumeration>(com::Enumeration{
            "enumShade", {{0, "SH_Light", "Light: a pale fill"}, {1, "SH_Dark", "Dark"}}});
        static const auto kMark = std::make_shared<const com::Enumeration>(
            com::Enumeration{"Mark", {{0, "MK_None", "no mark"}, {3, "MK_Star", "a star"}}});
        static const com::MemberTable t =
            com::TableBuilder<C>("Sheet")
                .stock(com::Stock::BackColor)
                .property("Rows", &C::m_rows,
                          {.def = 4, .bounds = com::Bounds<std::int16_t>{1, 50, 4, "Rows 1 to 50"}})
                .property("Rate", &C::m_rate,
                          {.def = 1000.5, .limits = com::Limits<double>{1000, {}, "Rate | low"}})
                .property("Shade", &C::m_shade, {.def = 1, .enumeration = kShade})
                .property("Mark", &C::m_mark, {.def = 3, .codes = kMark})
                .property("Ink", &C::m_ink, {.def = gfx::rgb(255, 128, 0)})
                .property("Title", &C::m_title, {.persistName = "SheetTitle"})
                .property("Count", &C::m_count, {.readOnly = true, .persisted = false})
                .property("Hidden", &C::m_hidden, {.visibility = com::Visibility::Internal})
                .method("Fill", &C::fill, {"Value"})
                .event("OnFull", {{"Rows", com::PropType::Int32}})
                .build();
        return t;
    }

  private:
    double fill(double value) { return value; }
    std::int16_t m_rows = 0;
    double m_rate = 0;
    std::int16_t m_shade = 0;
    std::int16_t m_mark = 0;
    gfx::ColorRef m_ink = 0;
    std::string m_title;
    std::int32_t m_count = 0;
    std::int16_t m_hidden = 0;
};

DocumentedLibrary sheetLibrary(const com::ClassEntry& entry) {
    return {"sheetkit", nullptr, {{&entry, com::createControl<CSheetCtrl>()}}};
}

const com::ClassEntry& sheetEntry() {
    static const com::ClassEntry entry =
        com::ClassEntry::of<CSheetCtrl>("{11111111-2222-3333-4444-555555555555}",
                                        "SHEETKIT.SheetCtrl.1", "Sheet Control 1.0")
            .withInterfaces("_DSheet", "_DSheetEvents")
            .inTypeLibrary("SHEETKITLib");
    return entry;
}

TEST(ReferencePage, EachPropertyRowGivesIdTypeDefaultValidValuesAndNotes) {
    const DocumentedLibrary library = sheetLibrary(sheetEntry());
    const std::string page = classPage(library, library.classes.front());
    EXPECT_THAT(page, HasSubstr("# Sheet\n"));
    EXPECT_THAT(page, HasSubstr("`SHEETKIT.SheetCtrl.1` (also `SHEETKITLib.Sheet`), in "
                                "`libsheetkit.so`"));
    EXPECT_THAT(
        page,
        HasSubstr("| -501 | `BackColor` | colour | system colour 15 (button face) |  | stock |"));
    EXPECT_THAT(page, HasSubstr("| 1 | `Rows` | short | 4 | 1 to 50; outside: \"Rows 1 to 50\", "
                                "then 4 |  |"));
    EXPECT_THAT(page, HasSubstr("| 2 | `Rate` | double | 1000.5 | 1000 or more; outside: refused "
                                "with \"Rate \\| low\" |  |"));
    EXPECT_THAT(page, HasSubstr("| 3 | `Shade` | short (`enumShade`) | 1 (`SH_Dark`) | see "
                                "`enumShade` |  |"));
    EXPECT_THAT(page, HasSubstr("| 4 | `Mark` | short (codes: `Mark`) | 3 (`MK_Star`) |"));
    EXPECT_THAT(page, HasSubstr("| 5 | `Ink` | colour | #FF8000 |"));
    EXPECT_THAT(page, HasSubstr("| 6 | `Title` | string | empty |  | persisted as `SheetTitle` |"));
    EXPECT_THAT(page, HasSubstr("| 7 | `Count` | long | 0 |  | read-only; not persisted |"));
    // Internal values are persisted, not properties.
    EXPECT_THAT(page, Not(HasSubstr("`Hidden` | short |")));
    EXPECT_THAT(page, HasSubstr("| `Hidden` | short (internal) | 0 |"));
}

TEST(ReferencePage, CodesMethodsEventsAndThePersistedSetHaveTheirSections) {
    const DocumentedLibrary library = sheetLibrary(sheetEntry());
    const std::string page = classPage(library, library.classes.front());
    EXPECT_THAT(page,
                HasSubstr("### enumShade\n\nValues of `Shade`.\n\n| Value | Name | Meaning |\n"
                          "|---:|---|---|\n| 0 | `SH_Light` | Light: a pale fill |\n"));
    EXPECT_THAT(page, HasSubstr("| 3 | `MK_Star` | a star |"));
    EXPECT_THAT(page, HasSubstr("| 9 | `Fill` | `Value` double | double |  |"));
    EXPECT_THAT(page, HasSubstr("| 1 | `OnFull` | `Rows` long |"));
    EXPECT_THAT(page, HasSubstr("| 1 | `BackColor` | colour | system colour 15 (button face) |"));
    EXPECT_THAT(page, HasSubstr("| 7 | `SheetTitle` | string | empty |"));
}

TEST(ReferencePage, TheChartPageListsEveryPropertyOfItsTableWithItsId) {
    const com::ControlLibrary& trendwick = chart::library();
    const com::ClassEntry* entry = nullptr;
    for (const auto& c : trendwick.classes()) {
        if (c.progId == chart::kChartProgId) {
            entry = &c;
        }
    }
    ASSERT_NE(entry, nullptr);
    DocumentedLibrary library{"trendwick", &trendwick, {{entry, entry->create()}}};
    const std::string page = classPage(library, library.classes.front());
    int properties = 0;
    for (const com::Member& m : chart::CChartCtrl::table().members()) {
        if (m.kind == com::MemberKind::Property && m.visibility != com::Visibility::Internal) {
            ++properties;
            EXPECT_THAT(page, HasSubstr("| " + std::to_string(m.id) + " | `" + m.name + "` |"));
        }
    }
    EXPECT_GT(properties, 100);
    EXPECT_THAT(page, HasSubstr("| 1 | `PM_Stacked` | Stacked |"));
    EXPECT_THAT(page, HasSubstr("### LineStyle\n\nValues of each of `LineStyle1`, `LineStyle2`"));
    EXPECT_EQ(pageName(*entry), "TRENDWICK.ChartCtrl.md");
}

// A page a control lists but no library registers would leave a host's sheet
// a tab short; the reference lists each page by the registry's title.
TEST(ReferencePage, EveryControlListsOnlyRegisteredPagesAndThePageShowsThemInOrder) {
    com::pages::PageRegistry registry;
    std::ostringstream err;
    ASSERT_TRUE(registerSuitePages(registry, err)) << err.str();
    for (const char* control :
         {"TRENDWICK.ChartCtrl.1", "TRENDWICK.GraphCtrl.1", "PANELMOOR.KnobCtrl.1",
          "PANELMOOR.SlideCtrl.1", "PANELMOOR.E7SegmentCtrl.1", "PANELMOOR.BooleanCtrl.1",
          "PLANTWERK.MotorCtrl.1", "PLANTWERK.PipeCtrl.1", "ORSINO.ORSINOCtrl.1",
          "TOLVAN.TolvanCtrl.1"}) {
        SCOPED_TRACE(control);
        const auto pages = listedPages(registry, control);
        ASSERT_FALSE(pages.empty());
        for (const DocumentedPage& page : pages) {
            EXPECT_TRUE(page.registered) << page.classId;
            EXPECT_FALSE(page.title.empty()) << page.classId;
        }
    }
    const auto chartPages = listedPages(registry, chart::kChartProgId);
    EXPECT_EQ(chartPages.size(), 9U);

    const com::ControlLibrary& trendwick = chart::library();
    DocumentedLibrary library{"trendwick", &trendwick, {}};
    for (const auto& c : trendwick.classes()) {
        if (c.progId == chart::kChartProgId) {
            library.classes.push_back({&c, c.create(), chartPages});
        }
    }
    ASSERT_EQ(library.classes.size(), 1U);
    const std::string page = classPage(library, library.classes.front());
    const auto at = page.find("## Property pages");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(at, page.find("## Persisted values"));
    std::size_t last = at;
    for (std::size_t i = 0; i < chartPages.size(); ++i) {
        const std::string row = "| " + std::to_string(i + 1) + " | " + chartPages[i].title + " | ";
        const auto found = page.find(row, at);
        ASSERT_NE(found, std::string::npos) << row;
        EXPECT_GT(found, last);
        last = found;
    }
}

class ReferenceFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brennix-reference-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    std::filesystem::path folder_;
};

TEST_F(ReferenceFolder, WrittenPagesCheckCleanAndAnyEditOrStrayPageIsReported) {
    const std::map<std::string, std::string> pages = {{"README.md", "index\n"},
                                                      {"A.md", "page a\n"}};
    std::ofstream(folder_ / "Old.md") << "a control that went\n";
    std::ofstream(folder_ / "notes.txt") << "not a page\n";
    EXPECT_EQ(staleFiles(folder_, pages).size(), 3U);
    std::string error;
    ASSERT_TRUE(writePages(folder_, pages, error)) << error;
    EXPECT_TRUE(staleFiles(folder_, pages).empty());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Old.md"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "notes.txt"));

    std::ofstream(folder_ / "A.md") << "edited by hand\n";
    std::filesystem::remove(folder_ / "README.md");
    const auto stale = staleFiles(folder_, pages);
    ASSERT_EQ(stale.size(), 2U);
    EXPECT_THAT(stale[0], HasSubstr("A.md differs from the tables"));
    EXPECT_THAT(stale[1], HasSubstr("README.md is missing"));
}

}  // namespace
}  // namespace brennix::reference
