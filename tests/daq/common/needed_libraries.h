#pragma once
// The libraries an ELF shared object names as needed at load time, read from
// its dynamic section.

#include <elf.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace brennix::daq::testing {

// Empty when the file is not a 64-bit ELF object with a dynamic section.
inline std::optional<std::vector<std::string>> neededLibraries(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
    }
    auto read = [&](std::size_t offset, auto& out) {
        if (offset > bytes.size() || bytes.size() - offset < sizeof(out)) {
            return false;
        }
        std::memcpy(&out, bytes.data() + offset, sizeof(out));
        return true;
    };
    Elf64_Ehdr header{};
    if (!read(0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        return std::nullopt;
    }
    std::vector<Elf64_Phdr> segments(header.e_phnum);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (!read(header.e_phoff + i * header.e_phentsize, segments[i])) {
            return std::nullopt;
        }
    }
    // File offset of a virtual address, through the segment that loads it.
    auto offsetOf = [&](Elf64_Addr address) -> std::optional<std::size_t> {
        for (const auto& s : segments) {
            if (s.p_type == PT_LOAD && address >= s.p_vaddr && address < s.p_vaddr + s.p_filesz) {
                return s.p_offset + (address - s.p_vaddr);
            }
        }
        return std::nullopt;
    };
    for (const auto& segment : segments) {
        if (segment.p_type != PT_DYNAMIC) {
            continue;
        }
        std::vector<Elf64_Xword> needed;
        std::optional<std::size_t> strings;
        for (std::size_t at = segment.p_offset;
             at + sizeof(Elf64_Dyn) <= segment.p_offset + segment.p_filesz;
             at += sizeof(Elf64_Dyn)) {
            Elf64_Dyn entry{};
            if (!read(at, entry) || entry.d_tag == DT_NULL) {
                break;
            }
            if (entry.d_tag == DT_NEEDED) {
                needed.push_back(entry.d_un.d_val);
            } else if (entry.d_tag == DT_STRTAB) {
                strings = offsetOf(entry.d_un.d_ptr);
            }
        }
        if (!strings) {
            return std::nullopt;
        }
        std::vector<std::string> names;
        for (auto index : needed) {
            std::size_t start = *strings + index;
            if (start >= bytes.size()) {
                return std::nullopt;
            }
            names.emplace_back(bytes.data() + start,
                               strnlen(bytes.data() + start, bytes.size() - start));
        }
        return names;
    }
    return std::nullopt;
}

}  // namespace brennix::daq::testing
