#pragma once
// Opening and reading the game's data files: the checks that run before Qt sees a file
// read through here, and so do the sound output and the picture decoder after them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Reads up to n bytes at an offset into buf and returns how many it got.
using CteniSouboru = std::function<std::size_t(std::int64_t od, void* buf, std::size_t n)>;

// A data file open for reading, and only ever a regular file. Opening never waits: a
// named pipe holds an ordinary open until some writer comes, which may be never, and a
// device or a socket has no end to read to. Each of these, a link that loops or leads
// nowhere, and a file that cannot be read all count as a file that is not there.
class DatovySoubor {
public:
    explicit DatovySoubor(const std::string& soubor);
    ~DatovySoubor();
    DatovySoubor(const DatovySoubor&) = delete;
    DatovySoubor& operator=(const DatovySoubor&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    // The size when it was opened.
    std::int64_t velikost() const { return velikost_; }
    // Up to n bytes from offset od, fewer at the end of the file. Reads by offset, so
    // several readers may share the one open file.
    std::size_t cti(std::int64_t od, void* buf, std::size_t n) const;
    CteniSouboru ctecka() const;
    // The descriptor, still owned here, for a reader that wants one (Qt's QFile).
    int descriptor() const { return fd_; }

private:
    int fd_ = -1;
    std::int64_t velikost_ = 0;
};

// Opens the file as above and hands its size and a reader to f. False, without calling
// f, when it does not open.
bool cti_soubor(const std::string& soubor,
                const std::function<void(std::int64_t velikost, const CteniSouboru& cti)>& f);

inline std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
