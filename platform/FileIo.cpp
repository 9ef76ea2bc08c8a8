#include "platform/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmar {

namespace {

std::string describeErrno(const std::filesystem::path& path, const char* what) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(errno);
}

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { close(); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    int get() const { return fd_; }
    int close() {
        int rc = 0;
        if (fd_ >= 0)
            rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

} // namespace

std::string readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    FdCloser fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(describeErrno(path, "Не удалось открыть файл"));
    std::string data;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(describeErrno(path, "Не удалось прочитать файл"));
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<std::size_t>(n) > maxBytes)
            throw FileError("Файл \"" + path.string() + "\" слишком велик");
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

void replaceFile(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / (target.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    FdCloser fd(::mkstemp(name.data()));
    if (fd.get() < 0)
        throw FileError(describeErrno(target, "Не удалось создать временный файл для"));
    const std::filesystem::path temporary(name.data());
    auto fail = [&](const char* what) {
        std::string message = describeErrno(target, what);
        fd.close();
        std::remove(temporary.c_str());
        throw FileError(message);
    };

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd.get(), p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Не удалось записать файл");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // mkstemp creates the file readable by the owner only; a dictionary is ordinary data.
    if (::fchmod(fd.get(), 0644) != 0)
        fail("Не удалось записать файл");
    if (::fsync(fd.get()) != 0)
        fail("Не удалось записать файл");
    if (fd.close() != 0)
        fail("Не удалось записать файл");
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        fail("Не удалось заменить файл");
}

} // namespace velmar
