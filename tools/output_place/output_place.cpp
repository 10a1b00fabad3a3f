#include "tools/output_place/output_place.h"

#include <unistd.h>

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
