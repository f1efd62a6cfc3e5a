#include <dlfcn.h>
#include <elf.h>
#include <gmock/gmock.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "outside/fenq.h"
#include "outside/kilp.h"
#include "outside/mavo.h"
#include "outside/nilb.h"
#include "outside/pruv.h"
#include "outside/quem.h"
#include "outside/rulk.h"
#include "outside/tepa.h"
#include "outside/tepab.h"
#include "outside/ubrix.h"
#include "outside/zolt.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAreArray;

struct LibraryExports {
    const char* library;
    std::span<const ExportEntry> (*exports)();
    std::vector<std::string> names;  // in export-number order from 1
};

std::vector<LibraryExports> allLibraries() {
    return {
        {"zolt",
         zolt::exports,
         {"W_Zolt_Initial", "W_Zolt_AD_Set_Channel", "W_Zolt_AD_Set_Gain",
          "W_Zolt_AD_Channel_Read"}},
        {"fenq",
         fenq::exports,
         {"W_Fenq_Initial", "W_Fenq_AD_Set_Channel", "W_Fenq_AD_Set_Mode", "W_Fenq_AD_Set_Range",
          "W_Fenq_AD_Soft_Trig", "W_Fenq_AD_Aquire", "W_Fenq_DA", "W_Fenq_DI", "W_Fenq_DO",
          "W_Fenq_TIMER_Start", "W_Fenq_TIMER_Read", "W_Fenq_TIMER_Stop"}},
        {"ubrix",
         ubrix::exports,
         {"_ubri_initial", "_ubri_AD_Set_Channel_Scan", "_ubri_AD_Set_Mode", "_ubri_AD_Set_Range",
          "_ubri_AD_Soft_Trigger", "_ubri_AD_Acquire", "_ubri_AD_INT_Status", "_ubri_AD_INT_Stop",
          "_ubri_AD_DMA_Status", "_ubri_AD_DMA_Stop", "_ubri_DA", "_ubri_DI", "_ubri_DO"}},
        {"quem", quem::exports, {"W_Quem_Initial", "W_Quem_DA"}},
        {"kilp",
         kilp::exports,
         {"W_Kilp_Initial", "W_Kilp_DI_8", "W_Kilp_DO_8", "W_Kilp_Read_Back", "W_Kilp_Timer_Start",
          "W_Kilp_Timer_Read", "W_Kilp_Timer_Stop"}},
        {"mavo", mavo::exports, {"W_Mavo_Initial", "W_Mavo_DI", "W_Mavo_DO", "W_Mavo_Read_Back"}},
        {"rulk", rulk::exports, {"W_Rulk_Initial", "W_Rulk_DI", "W_Rulk_DO", "W_Rulk_Read_Back"}},
        {"tepa", tepa::exports, {"W_Tepa_Initial", "W_Tepa_DI", "W_Tepa_DO", "W_Tepa_Read_Back"}},
        {"tepab",
         tepab::exports,
         {"W_TepaB_Initial", "W_TepaB_DI", "W_TepaB_DO", "W_TepaB_Read_Back"}},
        {"nilb",
         nilb::exports,
         {"W_Nilb_Initial", "W_Nilb_DI", "W_Nilb_DO", "W_Nilb_Read_Back", "W_Nilb_Timer_Start",
          "W_Nilb_Timer_Read", "W_Nilb_Timer_Stop"}},
        {"pruv", pruv::exports, {"W_Pruv_Initial", "W_Pruv_DI", "W_Pruv_DO", "W_Pruv_Read_Back"}},
    };
}

// The plain (not C++) function names a shared library file defines.
std::vector<std::string> definedCFunctions(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    Elf64_Ehdr header{};
    if (bytes.size() < sizeof header) {
        return {};
    }
    std::memcpy(&header, bytes.data(), sizeof header);
    auto section = [&](std::size_t index) {
        Elf64_Shdr shdr{};
        std::memcpy(&shdr, bytes.data() + header.e_shoff + index * header.e_shentsize, sizeof shdr);
        return shdr;
    };
    std::vector<std::string> names;
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr symbols = section(i);
        if (symbols.sh_type != SHT_DYNSYM) {
            continue;
        }
        const Elf64_Shdr strings = section(symbols.sh_link);
        for (std::size_t offset = 0; offset + sizeof(Elf64_Sym) <= symbols.sh_size;
             offset += sizeof(Elf64_Sym)) {
            Elf64_Sym symbol{};
            std::memcpy(&symbol, bytes.data() + symbols.sh_offset + offset, sizeof symbol);
            const std::string name(bytes.data() + strings.sh_offset + symbol.st_name);
            const bool definedFunction = ELF64_ST_TYPE(symbol.st_info) == STT_FUNC &&
                                         ELF64_ST_BIND(symbol.st_info) == STB_GLOBAL &&
                                         symbol.st_shndx != SHN_UNDEF;
            if (definedFunction && !name.starts_with("_Z") && name != "_init" && name != "_fini") {
                names.push_back(name);
            }
        }
    }
    return names;
}

class ExportTables : public OutsideTest {};

TEST_F(ExportTables, NumberTheFunctionsFromOneInTheirListedOrder) {
    for (const auto& library : allLibraries()) {
        SCOPED_TRACE(library.library);
        std::vector<std::string> names;
        std::int32_t expected = 1;
        for (const auto& entry : library.exports()) {
            EXPECT_EQ(entry.number, expected++);
            names.emplace_back(entry.name);
        }
        EXPECT_THAT(names, ElementsAreArray(library.names));
    }
}

TEST_F(ExportTables, NumberAndNameReachTheSameFunction) {
    for (const auto& library : allLibraries()) {
        SCOPED_TRACE(library.library);
        for (const auto& entry : library.exports()) {
            const std::string name(entry.name);
            void* byName = dlsym(RTLD_DEFAULT, name.c_str());
            EXPECT_EQ(reinterpret_cast<AnyFunction>(byName), entry.address) << name;
            const ExportEntry* byNumber = findExport(library.exports(), entry.number);
            ASSERT_NE(byNumber, nullptr);
            EXPECT_EQ(byNumber->address, entry.address);
        }
        EXPECT_EQ(findExport(library.exports(), 0), nullptr);
        EXPECT_EQ(findExport(library.exports(), "W_Missing"), nullptr);
    }
}

TEST_F(ExportTables, EachLibraryExportsExactlyItsListedCFunctions) {
    for (const auto& library : allLibraries()) {
        SCOPED_TRACE(library.library);
        Dl_info info{};
        ASSERT_NE(dladdr(reinterpret_cast<void*>(library.exports()[0].address), &info), 0);
        const std::string path = info.dli_fname;
        EXPECT_TRUE(path.ends_with("/lib" + std::string(library.library) + ".so")) << path;
        EXPECT_THAT(definedCFunctions(path), UnorderedElementsAreArray(library.names));
    }
}

TEST_F(ExportTables, ACallBoundByNumberActsLikeTheNamedCall) {
    using Initial = std::int32_t (*)(std::int32_t, std::int32_t);
    using Write = std::int32_t (*)(std::int32_t, std::int32_t);
    const auto initialByNumber = reinterpret_cast<Initial>(findExport(nilb::exports(), 1)->address);
    const auto writeByNumber = reinterpret_cast<Write>(findExport(nilb::exports(), 3)->address);
    ASSERT_EQ(initialByNumber(0, 0x300), 0);
    ASSERT_EQ(writeByNumber(1, 0x99), 0);
    std::uint8_t value = 0;
    ASSERT_EQ(W_Nilb_Read_Back(1, &value), 0);
    EXPECT_EQ(value, 0x99);

    // Bound by number, the Fenq result is still 16 bits wide and sign-extends.
    using FenqInitial = std::int16_t (*)(std::int32_t, std::int32_t);
    const auto fenqInitial = reinterpret_cast<FenqInitial>(findExport(fenq::exports(), 1)->address);
    ASSERT_TRUE(simulation().failNext("W_Fenq_Initial", -7));
    const std::int32_t result = fenqInitial(0, 0x300);
    EXPECT_EQ(result, -7);
}

}  // namespace
}  // namespace brennix::outside
