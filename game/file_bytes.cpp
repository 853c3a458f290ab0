#include "game/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DatovySoubor::DatovySoubor(const std::string& soubor)
{
    // A look first, so that nothing but a regular file is even opened (opening some
    // devices does something); then the open file itself is checked, since the name may
    // have been given to something else in between.
    struct stat st {};
    if (::stat(soubor.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const int fd = ::open(soubor.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    // Reading a regular file never waits anyway; its readers get a plain descriptor.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    velikost_ = static_cast<std::int64_t>(st.st_size);
}

DatovySoubor::~DatovySoubor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t DatovySoubor::cti(std::int64_t od, void* buf, std::size_t n) const
{
    if (fd_ < 0 || od < 0)
        return 0;
    std::size_t mam = 0;
    while (mam < n) {
        const ssize_t k = ::pread(fd_, static_cast<char*>(buf) + mam, n - mam,
                                  static_cast<off_t>(od + static_cast<std::int64_t>(mam)));
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            break;
        mam += static_cast<std::size_t>(k);
    }
    return mam;
}

CteniSouboru DatovySoubor::ctecka() const
{
    return [this](std::int64_t od, void* buf, std::size_t n) { return cti(od, buf, n); };
}

bool cti_soubor(const std::string& soubor,
                const std::function<void(std::int64_t velikost, const CteniSouboru& cti)>& f)
{
    const DatovySoubor s(soubor);
    if (!s)
        return false;
    f(s.velikost(), s.ctecka());
    return true;
}
