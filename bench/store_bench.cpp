// The device store: reading a large export, and registry calls on an
// unchanged store (which take the document parsed before).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/winreg/key.h"
#include "platform/winreg/reg_text.h"
#include "platform/winreg/registry.h"

namespace {

using namespace brennix::winreg;

// Keys in descending order: the worst order for a sorted insert.
std::string descendingKeys(int count) {
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    for (int i = count - 1; i >= 0; --i) {
        text += "\r\n[HKEY_CURRENT_USER\\Software\\Many\\k" + std::to_string(1000000 + i) +
                "]\r\n\"IRQ\"=dword:00000005\r\n";
    }
    return text;
}

void BM_ParseDescendingKeys(benchmark::State& state) {
    const std::string text = descendingKeys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Document doc;
        ParseError error;
        benchmark::DoNotOptimize(parseRegText(text, doc, error));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseDescendingKeys)
    ->RangeMultiplier(4)
    ->Range(1250, 80000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_QueryOnAnUnchangedStore(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "brennix-store-bench";
    std::filesystem::create_directories(folder);
    const auto path = folder / "registry.reg";
    { std::ofstream(path, std::ios::binary) << descendingKeys(static_cast<int>(state.range(0))); }
    ::setenv("BRENNIX_REGISTRY", path.c_str(), 1);
    Key key;
    if (Key::open(HKEY_CURRENT_USER, "Software\\Many\\k1000000", KEY_READ, key) != ERROR_SUCCESS) {
        state.SkipWithError("store not readable");
        return;
    }
    for (auto _ : state) {
        DWORD value = 0;
        benchmark::DoNotOptimize(key.queryDword("IRQ", value));
    }
    ::unsetenv("BRENNIX_REGISTRY");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_QueryOnAnUnchangedStore)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
