#pragma once
// Reading a data file's bytes for the checks that run before Qt sees the file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Reads up to n bytes at an offset into buf and returns how many it got.
using CteniSouboru = std::function<std::size_t(std::int64_t od, void* buf, std::size_t n)>;

// Opens a regular, readable file and hands its size and a reader to f. False, without
// calling f, for a missing or unreadable file, a folder or anything else that is no file.
bool cti_soubor(const std::string& soubor,
                const std::function<void(std::int64_t velikost, const CteniSouboru& cti)>& f);

inline std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
