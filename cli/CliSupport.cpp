#include "cli/CliSupport.h"

#include "cli/Commands.h"
#include "model/Json.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar::cli {

std::vector<Command>& registry() {
    static std::vector<Command> commands;
    return commands;
}

std::unique_ptr<mTDeclaration> loadReturn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Ошибка чтения файла: " + path);
    char first = 0;
    while (in.get(first) && (first == ' ' || first == '\n' || first == '\r' || first == '\t' || first == '\xEF'
                             || first == '\xBB' || first == '\xBF')) {
    }
    if (first == '{') {
        in.clear();
        in.seekg(0);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return DeclarationFromJsonText(text);
    }
    in.close();
    auto declaration = std::make_unique<mTDeclaration>();
    try {
        declaration->LoadFromFile(path);
    } catch (const EConvertError&) {
        // A value that does not read back means the file is damaged.
        throw mEBadStorage(stgmsg::kBadFormat, 392);
    }
    return declaration;
}

void writeFileAtomically(const std::string& path, const std::string& content) {
    auto slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "/." + base + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw std::runtime_error("Ошибка записи файла: " + path);
    const char* data = content.data();
    size_t left = content.size();
    bool ok = true;
    while (ok && left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok) {
            data += n;
            left -= static_cast<size_t>(n);
        }
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(pattern.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        throw std::runtime_error("Ошибка записи файла: " + path);
    }
}

bool ParsedArgs::has(const std::string& flag) const {
    for (const auto& [name, value] : options)
        if (name == flag)
            return true;
    return false;
}

std::string ParsedArgs::value(const std::string& flag) const {
    for (const auto& [name, value] : options)
        if (name == flag)
            return value;
    return {};
}

ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                     const std::vector<std::string>& valued) {
    ParsedArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            bool takesValue = std::find(valued.begin(), valued.end(), arg) != valued.end();
            bool isFlag = std::find(flags.begin(), flags.end(), arg) != flags.end();
            if (!takesValue && !isFlag)
                throw UsageError("unknown option " + arg);
            if (takesValue) {
                if (i + 1 >= args.size())
                    throw UsageError(arg + " needs a value");
                parsed.options.emplace_back(arg, args[++i]);
            } else {
                parsed.options.emplace_back(arg, "");
            }
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

} // namespace velmar::cli
