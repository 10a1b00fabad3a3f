#include "tools/output_place/output_place.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

fs::path stagingBeside(const fs::path& path, const std::string& tag) {
    return folderOf(path) / ("." + tag + "-" + std::to_string(getpid()) + "-" + path.filename().string());
}

bool replaceable(const fs::path& path, std::string* error) {
    std::error_code ignored;
    const fs::file_type type = fs::symlink_status(path, ignored).type();
    const char* kind = nullptr;
    switch (type) {
        case fs::file_type::none:
        case fs::file_type::not_found:
        case fs::file_type::regular:
            return true;
        case fs::file_type::directory: kind = "a folder"; break;
        case fs::file_type::symlink: kind = "a symbolic link"; break;
        case fs::file_type::character: kind = "a character device"; break;
        case fs::file_type::block: kind = "a block device"; break;
        case fs::file_type::fifo: kind = "a named pipe"; break;
        case fs::file_type::socket: kind = "a socket"; break;
        default: kind = "something else"; break;
    }
    *error = path.string() + " is " + kind + ", not a regular file; refusing to replace it";
    return false;
}

bool writableFilePlace(const fs::path& path, std::string* error) {
    std::error_code ignored;
    if (!path.has_filename() || fs::is_directory(path, ignored)) {
        *error = path.string() + " is a folder, not a file name";
        return false;
    }
    if (!replaceable(path, error)) return false;
    const fs::path folder = folderOf(path);
    std::error_code code;
    const bool isFolder = fs::is_directory(folder, code);
    const int problem = code ? code.value() : !isFolder ? ENOTDIR : access(folder.c_str(), W_OK) != 0 ? errno : 0;
    if (!problem) return true;
    *error = "cannot write in " + folder.string() + ": " + std::strerror(problem);
    return false;
}
