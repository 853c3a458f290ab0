#include "game/file_bytes.h"

#include <cstdio>
#include <sys/stat.h>

bool cti_soubor(const std::string& soubor,
                const std::function<void(std::int64_t velikost, const CteniSouboru& cti)>& f)
{
    std::FILE* soub = std::fopen(soubor.c_str(), "rb");
    if (!soub)
        return false;
    struct stat st {};
    if (::fstat(::fileno(soub), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(soub);
        return false;
    }
    const CteniSouboru cti = [soub](std::int64_t od, void* buf, std::size_t n) -> std::size_t {
        if (od < 0 || ::fseeko(soub, static_cast<off_t>(od), SEEK_SET) != 0)
            return 0;
        return std::fread(buf, 1, n, soub);
    };
    f(static_cast<std::int64_t>(st.st_size), cti);
    std::fclose(soub);
    return true;
}
