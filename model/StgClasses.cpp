#include "model/StgClasses.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {

using namespace stgmsg;

void PutField(char* field, const std::string& text, size_t width, char fill) {
    if (text.empty())
        return;
    if (text.size() >= width) {
        std::memcpy(field, text.data(), width);
        return;
    }
    size_t pad = width - text.size();
    std::memset(field, fill, pad);
    std::memcpy(field + pad, text.data(), text.size());
}

std::string IndexSuffix(size_t index) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%.3zu", index);
    return buffer;
}

// ---------------------------------------------------------------- loader

namespace {

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

mTFileLoader::mTFileLoader(const std::string& fileName, uint32_t mapSize, bool readOnly)
    : FileName(fileName), ReadOnly(readOnly), MapSize(mapSize) {
    Map();
}

mTFileLoader::~mTFileLoader() { Unmap(); }

void mTFileLoader::Map() {
    const std::string readError = std::string(kReadFile) + FileName;
    const std::string busyError = readError + "\r" + kBusy;

    struct stat st {};
    const bool exists = ::stat(FileName.c_str(), &st) == 0;
    if (ReadOnly && !exists)
        throw mEBadStorage(readError, 20); // reading never creates a file
    if (exists && S_ISDIR(st.st_mode))
        throw mEBadStorage(busyError, 21);

    if (exists) {
        fd_ = ::open(FileName.c_str(), (ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
        if (fd_ < 0)
            throw mEBadStorage(busyError, 21);
        // Exclusive sharing: a second loader on the same file is refused.
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd_);
            fd_ = -1;
            throw mEBadStorage(busyError, 21);
        }
    } else {
        // Writing a new file: nothing appears under its name until the save is complete.
        std::string probe = folderOf(FileName);
        if (::access(probe.c_str(), W_OK) != 0)
            throw mEBadStorage(readError, 20);
    }

    if (MapSize == 0 && exists) {
        if (st.st_size > 0xFFFFFFFFll)
            throw mEMemoryAllocate(kNoMapping, 26);
        MapSize = static_cast<uint32_t>(st.st_size);
    }
    if (MapSize == 0) {
        Unmap();
        throw mEMemoryAllocate(kZeroLength, 25);
    }

    try {
        image_.assign(MapSize, 0);
    } catch (const std::bad_alloc&) {
        Unmap();
        throw mEMemoryAllocate(kNoMapping, 26);
    }
    if (ReadOnly) {
        // The image is the file's bytes; a size beyond the file reads as zeros.
        size_t done = 0;
        while (done < image_.size()) {
            ssize_t n = ::pread(fd_, image_.data() + done, image_.size() - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                Unmap();
                throw mEMemoryAllocate(kNoMapping, 27);
            }
            if (n == 0)
                break;
            done += static_cast<size_t>(n);
        }
    }
    Mapped = true;
}

void mTFileLoader::Commit() {
    if (ReadOnly || !Mapped)
        throw mEWriteStorage(kReadOnly, 28);
    const std::string failure = "Ошибка записи файла: " + FileName;
    std::string folder = folderOf(FileName);
    std::string base = FileName.substr(FileName.find_last_of('/') == std::string::npos ? 0 : FileName.find_last_of('/') + 1);
    std::string tempName = folder + "/." + base + ".XXXXXX";
    std::vector<char> pattern(tempName.begin(), tempName.end());
    pattern.push_back('\0');
    int tmp = ::mkstemp(pattern.data());
    if (tmp < 0)
        throw mEWriteStorage(failure, 28);
    tempName = pattern.data();

    struct stat st {};
    mode_t mode;
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(tmp, mode) == 0 && writeAll(tmp, image_.data(), image_.size()) && ::fsync(tmp) == 0;
    ok = (::close(tmp) == 0) && ok;
    if (ok)
        ok = ::rename(tempName.c_str(), FileName.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        throw mEWriteStorage(failure, 28);
    }
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void mTFileLoader::Unmap() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
        fd_ = -1;
    }
    image_.clear();
    image_.shrink_to_fit();
    Mapped = false;
    MapSize = 0;
}

// ---------------------------------------------------------------- storage

mTDocumentStorage::mTDocumentStorage(mTFileLoader* loader) : loader_(loader) {
    if (loader_) {
        ReadOnly = loader_->ReadOnly;
        image_ = loader_->View();
        imageSize_ = loader_->Mapped ? loader_->image().size() : 0;
        const void* zero = image_ ? std::memchr(image_, 0, imageSize_) : nullptr;
        dataEnd_ = zero ? static_cast<size_t>(static_cast<const char*>(zero) - image_) : imageSize_;
    }
}

std::unique_ptr<mTDocumentStorage> mTDocumentStorage::CreateCounter() {
    auto storage = std::make_unique<mTDocumentStorage>(nullptr);
    storage->counting_ = true;
    storage->ReadOnly = false;
    return storage;
}

void mTDocumentStorage::CreateHeader(const std::string& tag) {
    if (!counting_ && (!loader_ || !image_))
        throw mEMemoryAllocate(kNotAllocated, 50);
    if (ReadOnly)
        throw mEWriteStorage(kReadOnly, 51);
    if (Opened || Created)
        throw mEAlreadyCreated(kAlreadyCreated, 52);
    if (!counting_ && imageSize_ < kHeaderSize)
        throw mEWriteStorage("Запись выходит за пределы файла.", 51);
    Opened = Created = true;
    DeclTag = tag;
    if (!counting_) {
        char* h = image_ + Position;
        std::memcpy(h, "DLSG", 4);
        PutField(h + 4, tag, 20, ' ');
        PutField(h + 24, "1", 2, '0');
        PutField(h + 26, "2", 2, '0');
        std::memset(h + 28, 'F', 32);
    }
    VersionMajor = 1;
    VersionMinor = 2;
    Position = kHeaderSize;
}

void mTDocumentStorage::OpenHeader() {
    if (Opened || Created)
        throw mEAlreadyCreated(kAlreadyCreated, 69);
    if (!image_)
        throw mEMemoryAllocate(kNoMemory, 60);
    if (imageSize_ < 4 || std::memcmp(image_, "DLSG", 4) != 0 || dataEnd_ < kHeaderSize) {
        ResetStorage();
        throw mEBadStorage(kBadFormat, 68);
    }
    Opened = true;
    std::string tag(image_ + 4, 20);
    size_t b = tag.find_first_not_of(' ');
    size_t e = tag.find_last_not_of(' ');
    DeclTag = b == std::string::npos ? std::string() : tag.substr(b, e - b + 1);
    auto version = [&](size_t offset) -> uint16_t {
        std::string_view field(image_ + offset, 2);
        size_t i = 0;
        while (i < field.size() && field[i] == ' ')
            ++i;
        if (i == field.size())
            throw EConvertError("'" + std::string(field) + "' is not a valid integer value");
        unsigned value = 0;
        for (; i < field.size(); ++i) {
            if (field[i] < '0' || field[i] > '9')
                throw EConvertError("'" + std::string(field) + "' is not a valid integer value");
            value = value * 10 + static_cast<unsigned>(field[i] - '0');
        }
        return static_cast<uint16_t>(value);
    };
    VersionMajor = version(24);
    VersionMinor = version(26);
    HeaderReserved.assign(image_ + 28, 32);
    Position = kHeaderSize;
}

void mTDocumentStorage::ResetStorage() {
    Position = 0;
    CurrentStream.clear();
    Opened = Created = false;
}

void mTDocumentStorage::CreateStream(const std::string& name) {
    if (!Opened)
        throw mEObjectAccess(kUninitialised, 82);
    if (ReadOnly)
        throw mEWriteStorage(kReadOnly, 81);
    writeValue(name, 81, 82);
    CurrentStream = name;
}

void mTDocumentStorage::buildIndex() {
    indexed_ = true;
    size_t pos = kHeaderSize;
    while (pos + 4 <= dataEnd_) {
        size_t length = 0;
        for (size_t k = 0; k < 4; ++k) {
            char c = image_[pos + k];
            if (c < '0' || c > '9')
                return; // the values end here; later bytes are not trusted
            length = length * 10 + static_cast<size_t>(c - '0');
        }
        if (pos + 4 + length > dataEnd_)
            return;
        if (length > 1 && image_[pos + 4] == '@')
            streams_[std::string(image_ + pos + 4, length)].push_back(static_cast<uint32_t>(pos));
        pos += 4 + length;
    }
}

void mTDocumentStorage::OpenStream(const std::string& name) {
    if (!Opened)
        throw mEObjectAccess(kUninitialised, 211);
    if (!indexed_ && image_)
        buildIndex();
    auto cp = utf8ToCp1251(name);
    auto it = cp ? streams_.find(*cp) : streams_.end();
    if (it == streams_.end())
        throw mEOpenStream(kNoStream, 210);
    // A stream name counts only as a whole value; of several, the first one at or
    // after the reading position wins, so text the user typed that happens to
    // look like a later stream name is never mistaken for it.
    const auto& offsets = it->second;
    auto next = std::lower_bound(offsets.begin(), offsets.end(), Position);
    uint32_t start = next != offsets.end() ? *next : offsets.front();
    Position = start + 4 + static_cast<uint32_t>(it->first.size());
    CurrentStream = name;
}

void mTDocumentStorage::writeValue(const std::string& text, int16_t readOnlyCode, int16_t notOpenedCode) {
    if (ReadOnly)
        throw mEWriteStorage(kReadOnly, readOnlyCode);
    if (!Opened)
        throw mEObjectAccess(kUninitialised, notOpenedCode);
    if (counting_) {
        Position += static_cast<uint32_t>(4 + text.size());
        return;
    }
    if (text.size() > kMaxValueLength)
        throw mEWriteStorage("Значение длиннее 9999 байт не может быть записано в файл декларации.", readOnlyCode);
    if (Position + 4 + text.size() > imageSize_)
        throw mEWriteStorage("Запись выходит за пределы файла.", readOnlyCode);
    char length[5];
    std::snprintf(length, sizeof length, "%04zu", text.size());
    PutField(image_ + Position, length, 4, '0');
    PutField(image_ + Position + 4, text, text.size(), ' ');
    Position += static_cast<uint32_t>(4 + text.size());
}

std::string_view mTDocumentStorage::readValue(int16_t notOpenedCode, bool numeric) {
    if (!Opened)
        throw mEObjectAccess(kUninitialised, notOpenedCode);
    if (!image_ || Position + 4ull > dataEnd_)
        throw EConvertError("Неожиданный конец данных файла декларации.");
    size_t length = 0;
    for (size_t k = 0; k < 4; ++k) {
        char c = image_[Position + k];
        if (c < '0' || c > '9')
            throw EConvertError("'" + std::string(image_ + Position, 4) + "' is not a valid integer value");
        length = length * 10 + static_cast<size_t>(c - '0');
    }
    if (numeric && length == 0)
        length = 1;
    if (Position + 4ull + length > dataEnd_)
        throw EConvertError("Неожиданный конец данных файла декларации.");
    std::string_view text(image_ + Position + 4, length);
    Position += static_cast<uint32_t>(4 + length);
    return text;
}

void mTDocumentStorage::WriteString(const std::string& text) {
    if (ReadOnly)
        throw mEWriteStorage(kReadOnly, 150);
    if (!Opened)
        throw mEObjectAccess(kUninitialised, 151);
    if (counting_) {
        Position += static_cast<uint32_t>(4 + utf8Length(text));
        return;
    }
    auto converted = utf8ToCp1251(text);
    if (!converted)
        throw mEWriteStorage("Текст \"" + text + "\" содержит символы, которых нет в кодировке Windows-1251.", 150);
    writeValue(*converted, 150, 151);
}

void mTDocumentStorage::WriteInteger(uint32_t value) { writeValue(std::to_string(value), 160, 161); }
void mTDocumentStorage::WriteWord(uint16_t value) { writeValue(std::to_string(value), 170, 171); }
void mTDocumentStorage::WriteByte(uint8_t value) { writeValue(std::to_string(value), 200, 201); }
void mTDocumentStorage::WriteCurrency(Currency value) { writeValue(value.toText(), 180, 181); }
void mTDocumentStorage::WriteDate(TDateTime value) { writeValue(dateToStorageText(value), 190, 191); }

namespace {

int64_t parseWholeNumber(std::string_view text, int64_t min, int64_t max) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || value > (int64_t(1) << 40))
            throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
        value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value < min || value > max)
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

} // namespace

std::string mTDocumentStorage::ReadString() { return cp1251ToUtf8(readValue(93, false)); }

int32_t mTDocumentStorage::ReadInteger() {
    // The writer writes the value as unsigned 32-bit; both forms read back.
    int64_t v = parseWholeNumber(readValue(102, true), INT32_MIN, UINT32_MAX);
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

uint16_t mTDocumentStorage::ReadWord() {
    return static_cast<uint16_t>(parseWholeNumber(readValue(112, true), INT32_MIN, UINT32_MAX));
}

uint8_t mTDocumentStorage::ReadByte() {
    return static_cast<uint8_t>(parseWholeNumber(readValue(142, true), INT32_MIN, UINT32_MAX));
}

Currency mTDocumentStorage::ReadCurrency() {
    std::string_view text = readValue(122, true);
    if (text == "a")
        return AbsentAmount;
    if (auto value = Currency::parse(text, '.'))
        return *value;
    if (auto value = Currency::parse(text, ','))
        return *value;
    throw EConvertError("'" + cp1251ToUtf8(text) + "' is not a valid floating point value");
}

TDateTime mTDocumentStorage::ReadDate() {
    std::string_view text = readValue(132, true);
    if (LayoutVersion() >= kLayout102) {
        if (auto value = parseStorageReal(text))
            return *value;
    } else {
        if (auto value = parseDateText(text, '.'))
            return *value;
        if (auto value = parseDateText(text, ','))
            return *value;
    }
    throw EConvertError("'" + cp1251ToUtf8(text) + "' is not a valid date");
}

} // namespace velmar
