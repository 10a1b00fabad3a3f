#include "tools/output_place/output_place.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

fs::path stagingBeside(const fs::path& path, const std::string& tag) {
    static int made = 0;
    const std::string start = "." + tag + "-" + std::to_string(getpid()) + "-" + std::to_string(++made) + "-";
    // The pid and the count keep it apart; the name's end stays, for its
    // extension (ffmpeg picks the format by it) and for a person to see.
    const std::string name = path.filename().string();
    size_t cut = start.size() + name.size() > NAME_MAX ? start.size() + name.size() - NAME_MAX : 0;
    while (cut < name.size() && (name[cut] & 0xC0) == 0x80) ++cut;  // not inside a UTF-8 character
    return folderOf(path) / (start + name.substr(cut));
}

bool sameFile(const fs::path& first, const fs::path& second) {
    struct stat firstFile, secondFile;
    const bool firstThere = stat(first.c_str(), &firstFile) == 0;
    const bool secondThere = stat(second.c_str(), &secondFile) == 0;
    if (firstThere || secondThere) {
        return firstThere && secondThere && firstFile.st_dev == secondFile.st_dev &&
               firstFile.st_ino == secondFile.st_ino;
    }
    // Absolute first: a relative name whose folders do not exist either would
    // come back as it is.
    std::error_code firstError, secondError;
    const fs::path firstPath = fs::weakly_canonical(fs::absolute(first), firstError);
    const fs::path secondPath = fs::weakly_canonical(fs::absolute(second), secondError);
    return !firstError && !secondError && firstPath == secondPath;
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
