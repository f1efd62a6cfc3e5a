#include "tools/brennix-config/config_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <iomanip>
#include <optional>
#include <string_view>

#include "platform/winreg/reg_text.h"
#include "tools/brennix-config/board_catalogue.h"
#include "tools/brennix-config/device_checks.h"
#include "tools/brennix-config/device_store.h"
#include "tools/common/command_line.h"
#include "tools/common/version.h"

namespace brennix::config {
namespace {

constexpr std::string_view kProgram = "brennix-config";
// The controls read subkey names into a buffer of 100 characters.
constexpr std::size_t kMaxKeyName = 99;

constexpr std::string_view kHelp = R"(Usage: brennix-config [--store FILE] COMMAND [ARGUMENTS]

Configures the data-acquisition boards the Brennix hardware controls use.
Each device is a key Software\Brennix Device\NNN@<board name> under
HKEY_CURRENT_USER in the per-user registry store, holding the REG_DWORD
values BaseAddress1, BaseAddress2, IRQ1, IRQ2 and DMA.

Commands:
  list                          list the configured devices
  show NUMBER                   show one device and all its values
  add NUMBER BOARD [SETTINGS]   add device NUMBER (0 to 999) on board BOARD
  remove NUMBER                 remove device NUMBER
  set NUMBER NAME VALUE         set one value of a device (NAME is one of
                                BaseAddress1, BaseAddress2, IRQ1, IRQ2, DMA)
  boards                        list the board names the controls know, with
                                the cards, IRQ lines and DMA channels of each
  help                          show this text

Settings for add (defaults in brackets):
  --base1 VALUE   BaseAddress1, the card's I/O base address [0]
  --base2 VALUE   BaseAddress2 [0]
  --irq1 VALUE    IRQ1, the interrupt line [0]
  --irq2 VALUE    IRQ2 [1]
  --dma VALUE     DMA, the DMA channel [0]
VALUE is decimal or hexadecimal with 0x (for example 0x220), -2147483648
to 4294967295. IRQ1 and DMA must be a line and a channel the board can use
and IRQ2 a line of the ISA bus ('boards' lists them); 0 always means none.

Card numbers: a control hands its board's driver a card number, which is
not stored: it is the position of the device among the configured devices
of the same board, counted from 0 in device-number order. Devices 2 and 5
on Brax-VexaL are cards 0 and 1, whatever lies between them on other
boards. The controls address cards 0 to 7, and some drivers fewer ('boards'
says how many). Adding or removing a device renumbers the later devices of
its board; the tool warns when it does, and 'show' prints a device's card.
Two devices at one base address are warned about too.

Options:
  --store FILE    use FILE as the store, instead of $BRENNIX_REGISTRY or
                  $XDG_CONFIG_HOME/brennix/registry.reg (~/.config/...)
  -h, --help      show this text
      --version   show the version

Board names are compared exactly, case included; a name outside the
catalogue is stored with a warning, as no control will serve it.

A change waits up to 10 seconds for another writer of the store to finish,
and says so while it waits.

Exit status: 0 done (warnings may have been shown), 1 the store or the
device refused, 2 the command line was wrong.
)";

// The value options of add, in the order of kSettingNames.
constexpr std::array<std::string_view, 5> kAddOptions = {"base1", "base2", "irq1", "irq2", "dma"};

constexpr tools::OptionRule kOptions[] = {
    {"store", 0, true, "a file name"},
    {"help", 'h'},
    {"version"},
    {"base1", 0, true},
    {"base2", 0, true},
    {"irq1", 0, true},
    {"irq2", 0, true},
    {"dma", 0, true},
};

class Command {
  public:
    Command(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::vector<std::string>& args) {
        tools::ParsedArguments parsed = tools::parseArguments(args, kOptions);
        for (const auto& option : parsed.options) {
            if (option.name == "help") {
                out_ << kHelp;
                return kExitOk;
            }
            if (option.name == "version") {
                out_ << tools::versionText(kProgram);
                return kExitOk;
            }
        }
        if (!parsed.ok()) {
            return usage(parsed.error);
        }
        std::vector<std::string> words = parsed.positional;
        std::optional<std::filesystem::path> storeFile;
        for (const auto& option : parsed.options) {
            if (option.name != "store") {
                settings_.push_back(option);
            } else if (option.value->empty()) {
                return usage("--store needs a file name");
            } else {
                storeFile = *option.value;
            }
        }
        if (words.empty()) {
            return usage("no command given");
        }
        store_.emplace(storeFile ? *storeFile : winreg::storePath());
        store_->onLockWait([this](const std::filesystem::path& lockFile) {
            err_ << kProgram << ": waiting for another writer of the store to finish ("
                 << lockFile.string() << " is locked)\n";
            err_.flush();
        });
        const std::string command = words.front();
        words.erase(words.begin());
        if (command != "add" && !settings_.empty()) {
            return usage(settings_.front().spelling + " is an option of add");
        }
        if (command == "help") {
            out_ << kHelp;
            return kExitOk;
        }
        if (command == "list") {
            return words.empty() ? list() : usage("list takes no arguments");
        }
        if (command == "boards") {
            return words.empty() ? boards() : usage("boards takes no arguments");
        }
        if (command == "show") {
            return words.size() == 1 ? show(words[0]) : usage("show takes one device number");
        }
        if (command == "remove") {
            return words.size() == 1 ? remove(words[0]) : usage("remove takes one device number");
        }
        if (command == "set") {
            return words.size() == 3 ? set(words[0], words[1], words[2])
                                     : usage("set takes a device number, a value name and a value");
        }
        if (command == "add") {
            return add(words);
        }
        return usage("unknown command \"" + command + "\"");
    }

  private:
    int usage(const std::string& problem) {
        err_ << kProgram << ": " << problem << "\n"
             << "Try '" << kProgram << " --help' for more information.\n";
        return kExitUsage;
    }

    int failed(const std::string& problem) {
        err_ << kProgram << ": " << problem << "\n";
        return kExitFailed;
    }

    int storeFailed(const StoreResult& r) {
        return failed(r.message.empty()
                          ? "the store refused the change (code " + std::to_string(r.code) + ")"
                          : r.message);
    }

    void warn(const std::string& text) { err_ << kProgram << ": warning: " << text << "\n"; }

    static std::optional<int> parseDeviceNumber(const std::string& text) {
        if (text.empty() || text.size() > 3 ||
            text.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        return std::stoi(text);
    }

    std::optional<int> deviceNumber(const std::string& text) {
        auto n = parseDeviceNumber(text);
        if (!n) {
            usage("device number must be 0 to 999, not \"" + text + "\"");
        }
        return n;
    }

    // Decimal, or hexadecimal after 0x; a leading zero is not octal.
    static std::optional<DWORD> parseValue(const std::string& text) {
        std::string_view body = text;
        bool negative = false;
        if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
            negative = body.front() == '-';
            body.remove_prefix(1);
        }
        int base = 10;
        if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
            base = 16;
            body.remove_prefix(2);
        }
        const char* digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
        if (body.empty() || body.size() > 10 ||
            body.find_first_not_of(digits) != std::string_view::npos) {
            return std::nullopt;
        }
        long long n = std::stoll(std::string(body), nullptr, base);
        if (negative) {
            n = -n;
        }
        if (n < -2147483648LL || n > 4294967295LL) {
            return std::nullopt;
        }
        return static_cast<DWORD>(n);
    }

    std::optional<DWORD> value(const std::string& name, const std::string& text) {
        auto v = parseValue(text);
        if (!v) {
            usage(name + " must be a number (decimal, or hexadecimal with 0x), not \"" + text +
                  "\"");
        }
        return v;
    }

    // Names the controls cannot read back as the board: refuse them.
    std::optional<std::string> boardProblem(const std::string& board) {
        if (board.empty()) {
            return "board name is empty";
        }
        for (char c : board) {
            if (c == '\\') {
                return "board name \"" + board + "\" contains a backslash";
            }
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                return "board name contains a control character";
            }
        }
        if (board.front() == ' ' || board.back() == ' ') {
            return "board name \"" + board + "\" starts or ends with a blank";
        }
        if (board.size() + 4 > kMaxKeyName) {
            return "board name is longer than " + std::to_string(kMaxKeyName - 4) + " characters";
        }
        return std::nullopt;
    }

    void catalogueWarnings(const std::string& board) {
        if (findBoard(board) != nullptr) {
            return;
        }
        std::string text = "\"" + board + "\" is not a board name in the catalogue";
        if (auto near = boardWithOtherCase(board)) {
            text += " (names are case-sensitive: did you mean \"" + *near + "\"?)";
        }
        text += "; no control will serve it (see '" + std::string(kProgram) + " boards')";
        warn(text);
    }

    static std::string describe(const winreg::Value& v, std::string_view name) {
        auto n = dwordOf(v);
        if (!n) {
            return winreg::formatValueData(v);
        }
        char buf[48];
        if (name.rfind("BaseAddress", 0) == 0) {
            std::snprintf(buf, sizeof buf, "0x%X", *n);
        } else {
            std::snprintf(buf, sizeof buf, "%d", static_cast<std::int32_t>(*n));
        }
        return buf;
    }

    int list() {
        std::vector<Device> devices;
        StoreResult r = store_->list(devices);
        if (!r.ok()) {
            return storeFailed(r);
        }
        if (devices.empty()) {
            out_ << "No devices are configured in " << store_->path().string() << ".\n";
            return kExitOk;
        }
        // The last column is not padded, so lines carry no trailing blanks.
        auto cell = [&](const std::string& text, int width, bool last) {
            if (last) {
                out_ << text;
            } else {
                out_ << std::left << std::setw(width) << text;
            }
        };
        cell("Device", 8, false);
        cell("Board", 15, false);
        for (auto name : kSettingNames) {
            cell(std::string(name), 14, name == kSettingNames.back());
        }
        out_ << "\n";
        for (const auto& d : devices) {
            if (!d.wellFormed) {
                continue;
            }
            cell(d.key.substr(0, 3), 8, false);
            cell(d.board, 15, false);
            for (auto name : kSettingNames) {
                auto it = std::find_if(d.values.begin(), d.values.end(), [&](const auto& v) {
                    return winreg::sameName(v.name, name);
                });
                cell(it == d.values.end() ? "-" : describe(*it, name), 14,
                     name == kSettingNames.back());
            }
            out_ << "\n";
        }
        for (const auto& d : devices) {
            if (!d.wellFormed) {
                warn("key \"" + d.key + "\" is not named NNN@<board name>" +
                     (d.number ? "; the controls read it as device " + std::to_string(*d.number) +
                                     " on board \"" + d.board + "\""
                               : "; the controls ignore it"));
            } else {
                catalogueWarnings(d.board);
            }
        }
        return kExitOk;
    }

    int boards() {
        out_ << std::left << std::setw(15) << "Board" << std::setw(24) << "Driver" << std::setw(7)
             << "Cards" << std::setw(26) << "IRQ1"
             << "DMA\n";
        for (const auto& b : boardCatalogue()) {
            const std::string driver =
                std::string(b.driver) + (b.outsideDriver ? " (outside driver)" : "");
            out_ << std::left << std::setw(15) << b.name << std::setw(24) << driver << std::setw(7)
                 << ("0-" + std::to_string(b.resources.cards - 1)) << std::setw(26)
                 << describeLines(b.resources.irqLines) << describeLines(b.resources.dmaChannels)
                 << "\n";
        }
        return kExitOk;
    }

    int show(const std::string& numberText) {
        auto number = deviceNumber(numberText);
        if (!number) {
            return kExitUsage;
        }
        Device d;
        StoreResult r = store_->find(*number, d);
        if (!r.ok()) {
            return storeFailed(r);
        }
        out_ << "Device " << *number << ": " << d.key << "\n";
        out_ << "  Board         " << d.board << "\n";
        out_ << "  Card number   " << d.card
             << (d.card > 7 ? " (the controls address cards 0 to 7 only)" : "") << "\n";
        for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
            auto name = kSettingNames[i];
            auto it = std::find_if(d.values.begin(), d.values.end(),
                                   [&](const auto& v) { return winreg::sameName(v.name, name); });
            out_ << "  " << std::left << std::setw(14) << name;
            if (it == d.values.end()) {
                out_ << "not set (the controls write " << kSettingDefaults[i] << ")\n";
            } else {
                out_ << describe(*it, name) << "\n";
            }
        }
        for (const auto& v : d.values) {
            if (!settingName(v.name)) {
                out_ << "  " << std::left << std::setw(14) << (v.name.empty() ? "@" : v.name)
                     << winreg::formatValueData(v) << "\n";
            }
        }
        catalogueWarnings(d.board);
        return kExitOk;
    }

    int add(const std::vector<std::string>& positional) {
        std::array<DWORD, 5> settings = kSettingDefaults;
        for (const auto& option : settings_) {
            std::size_t which = kAddOptions.size();
            for (std::size_t k = 0; k < kAddOptions.size(); ++k) {
                if (option.name == kAddOptions[k]) {
                    which = k;
                }
            }
            auto v = value(std::string(kSettingNames[which]), *option.value);
            if (!v) {
                return kExitUsage;
            }
            settings[which] = *v;
        }
        if (positional.size() != 2) {
            return usage("add takes a device number and a board name");
        }
        auto number = deviceNumber(positional[0]);
        if (!number) {
            return kExitUsage;
        }
        const std::string& board = positional[1];
        if (auto problem = boardProblem(board)) {
            return failed(*problem);
        }
        for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
            if (std::string refusal = settingRefusal(kSettingNames[i], settings[i], board);
                !refusal.empty()) {
                return failed(refusal);
            }
        }
        catalogueWarnings(board);
        StoreResult r = store_->add(*number, board, settings);
        if (!r.ok()) {
            return storeFailed(r);
        }
        const std::string key = deviceKeyName(*number, board);
        out_ << "Added device " << *number << " as " << key << ".\n";
        cardWarnings(*number);
        changeWarnings(r, key);
        return kExitOk;
    }

    // What a change did to the other devices that their users may not expect.
    void changeWarnings(const StoreResult& r, const std::string& key) {
        const std::vector<std::string> moved = renumberedCards(r.before, r.after);
        if (!moved.empty()) {
            std::string text = "this renumbers the cards of existing devices: ";
            for (std::size_t i = 0; i < moved.size(); ++i) {
                text += (i == 0 ? "" : ", ") + moved[i];
            }
            warn(text + "; a control opens the card its device number comes to");
        }
        for (const std::string& other : devicesAtSameBase(r.after, key)) {
            warn(other + "; two cards cannot share one base address");
        }
    }

    void cardWarnings(int number) {
        Device d;
        if (!store_->find(number, d).ok()) {
            return;
        }
        if (d.card > 7) {
            warn("this is card " + std::to_string(d.card) + " of board \"" + d.board +
                 "\"; the controls address cards 0 to 7 only");
        } else if (const daq::BoardEntry* b = findBoard(d.board);
                   b && d.card >= b->resources.cards) {
            warn("this is card " + std::to_string(d.card) + " of board \"" + d.board +
                 "\"; its driver accepts cards 0 to " + std::to_string(b->resources.cards - 1));
        }
    }

    int remove(const std::string& numberText) {
        auto number = deviceNumber(numberText);
        if (!number) {
            return kExitUsage;
        }
        std::vector<std::string> removed;
        StoreResult r = store_->remove(*number, removed);
        if (!r.ok()) {
            return storeFailed(r);
        }
        for (const auto& key : removed) {
            out_ << "Removed " << key << ".\n";
        }
        changeWarnings(r, {});
        return kExitOk;
    }

    int set(const std::string& numberText, const std::string& nameText,
            const std::string& valueText) {
        auto number = deviceNumber(numberText);
        if (!number) {
            return kExitUsage;
        }
        auto name = settingName(nameText);
        if (!name) {
            return usage("unknown value name \"" + nameText +
                         "\"; expected BaseAddress1, BaseAddress2, IRQ1, IRQ2 or DMA");
        }
        auto v = value(std::string(*name), valueText);
        if (!v) {
            return kExitUsage;
        }
        std::string key;
        StoreResult r = store_->set(*number, *name, *v, key, [&](const Device& device) {
            return settingRefusal(*name, *v, device.board);
        });
        if (!r.ok()) {
            return storeFailed(r);
        }
        out_ << "Set " << *name << " of " << key << " to " << valueText << ".\n";
        if (*name == "BaseAddress1") {
            changeWarnings(r, key);
        }
        return kExitOk;
    }

    std::ostream& out_;
    std::ostream& err_;
    std::optional<DeviceStore> store_;
    std::vector<tools::GivenOption> settings_;  // --base1 and the others, for add
};

}  // namespace

int runConfig(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Command(out, err).run(args);
}

}  // namespace brennix::config
