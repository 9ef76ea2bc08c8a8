#pragma once
// The container file of a return: a 60-byte header and a sequence of values,
// each a 4-digit decimal length and that many bytes of Windows-1251 text.
// Values are grouped into streams, each starting with its "@Name" value.
#include "model/Currency.h"
#include "model/DateTime.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmar {

// Storage errors: `Code` is the place that raised it, `Where` the outermost
// record layer it passed through.
class mEPrivBase : public std::runtime_error {
public:
    mEPrivBase(const std::string& message, int16_t code) : std::runtime_error(message), Code(code) {}
    int16_t Code = 0;
    int16_t Where = 0;
};
class mEMemoryAllocate : public mEPrivBase { using mEPrivBase::mEPrivBase; };
class mEWriteStorage : public mEPrivBase { using mEPrivBase::mEPrivBase; };
class mEBadStorage : public mEPrivBase { using mEPrivBase::mEPrivBase; };
class mEAlreadyCreated : public mEPrivBase { using mEPrivBase::mEPrivBase; };
class mEObjectAccess : public mEPrivBase { using mEPrivBase::mEPrivBase; };
class mEOpenStream : public mEPrivBase { using mEPrivBase::mEPrivBase; };

// A value that is not what its type needs (a length that is not four digits, a
// malformed number, money or date, a read past the end of the data).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace stgmsg {
inline constexpr const char* kReadFile = "Ошибка чтения файла: ";
inline constexpr const char* kBusy = "Возможно он занят, или с признаком 'read only'";
inline constexpr const char* kZeroLength = "Создаваемый фаил отображения не может быть нулевой длины.";
inline constexpr const char* kNoMapping = "Не удается создать отображение файла.";
inline constexpr const char* kNotAllocated = "Не выделена память.";
inline constexpr const char* kReadOnly = "Попытка записи в память только для чтения";
inline constexpr const char* kAlreadyCreated = "Объект уже был создан.";
inline constexpr const char* kBadFormat = "Неправильный формат файла декларации, возможно он поврежден.";
inline constexpr const char* kUninitialised = "Попытка доступа к неинициализированным данным.";
inline constexpr const char* kNoStream = "Попытка открытия несуществующего потока";
inline constexpr const char* kNoMemory = "Недостаточно свободной памяти.";
} // namespace stgmsg

// Sets `Where` on a storage error passing through a record layer.
template <class Fn>
void withWhere(int16_t where, Fn&& fn) {
    try {
        fn();
    } catch (mEPrivBase& e) {
        e.Where = where;
        throw;
    }
}

// Owns the open, exclusively locked file and its image. For reading, the image
// is the whole file. For writing, the image is a zero-filled buffer of the final
// size; `Commit` writes it to a temporary file beside the target, flushes it and
// renames it over the target, so the old file survives any failure.
class mTFileLoader {
public:
    mTFileLoader(const std::string& fileName, uint32_t mapSize, bool readOnly);
    ~mTFileLoader();
    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    void Map();
    void Unmap();
    // Writing only: puts the image on disk under `FileName`. Throws mEWriteStorage on failure.
    void Commit();

    std::string FileName;
    bool ReadOnly = true;
    bool Mapped = false;
    uint32_t MapSize = 0;

    char* View() { return image_.empty() ? nullptr : image_.data(); }
    const std::vector<char>& image() const { return image_; }

private:
    int fd_ = -1;
    std::vector<char> image_;
};

class mTDocumentStorage {
public:
    // A storage over a loader's image; nullptr gives one that refuses every operation.
    explicit mTDocumentStorage(mTFileLoader* loader);
    // A storage that writes nothing and only advances `Position`: the byte count
    // of what a save would write.
    static std::unique_ptr<mTDocumentStorage> CreateCounter();

    void CreateHeader(const std::string& tag);
    void OpenHeader();
    void ResetStorage();
    void CreateStream(const std::string& name);
    void OpenStream(const std::string& name);

    void WriteString(const std::string& text);
    void WriteInteger(uint32_t value);
    void WriteWord(uint16_t value);
    void WriteByte(uint8_t value);
    void WriteCurrency(Currency value);
    void WriteDate(TDateTime value);

    std::string ReadString();
    int32_t ReadInteger();
    uint16_t ReadWord();
    uint8_t ReadByte();
    Currency ReadCurrency();
    TDateTime ReadDate();

    // Runs `fn`; if it throws, puts `Position` back and reports false. For values
    // that older files may lack at the end of a stream.
    template <class Fn>
    bool Tolerant(Fn&& fn) {
        uint32_t saved = Position;
        try {
            fn();
            return true;
        } catch (const EConvertError&) {
        } catch (const mEPrivBase&) {
        }
        Position = saved;
        return false;
    }

    uint32_t LayoutVersion() const { return (uint32_t(VersionMajor) << 16) + VersionMinor; }

    bool ReadOnly = true;
    uint32_t Position = 0;
    std::string DeclTag;
    std::string CurrentStream;
    std::string HeaderReserved;
    uint16_t VersionMajor = 0;
    uint16_t VersionMinor = 0;
    bool Opened = false;
    bool Created = false;

    static constexpr uint32_t kLayout101 = 0x10001;
    static constexpr uint32_t kLayout102 = 0x10002;
    static constexpr size_t kHeaderSize = 60;
    static constexpr size_t kMaxValueLength = 9999;

private:
    void writeValue(const std::string& text, int16_t readOnlyCode, int16_t notOpenedCode);
    std::string_view readValue(int16_t notOpenedCode, bool numeric);
    void buildIndex();

    mTFileLoader* loader_ = nullptr;
    char* image_ = nullptr;
    size_t imageSize_ = 0;
    size_t dataEnd_ = 0; // first zero byte or the end of the image
    bool counting_ = false;
    bool indexed_ = false;
    // Offsets just after each whole "@..." value, in file order, per name.
    std::unordered_map<std::string, std::vector<uint32_t>> streams_;
};

// Fixed-width field: right-justified, filled on the left; a longer text keeps
// its first `width` characters; an empty text leaves the field as it is.
void PutField(char* field, const std::string& text, size_t width, char fill);

// The exact byte count of what `save` writes, measured by a counting storage
// so that the count and the save can never disagree.
template <class Fn>
uint32_t CountedSize(Fn&& save) {
    auto counter = mTDocumentStorage::CreateCounter();
    counter->CreateHeader("");
    const uint32_t start = counter->Position;
    save(*counter);
    return counter->Position - start;
}

// The "%.3d" suffix of streams per object of a list.
std::string IndexSuffix(size_t index);

} // namespace velmar
