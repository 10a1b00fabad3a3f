#include "tools/studio/live_shaders/live_shaders.h"

#include "demo/show_programs.h"
#include "gfx/shader_program.h"
#include "platform/platform.h"
#include "resources/resource_ids.h"
#include "tools/studio/live_shaders/shader_log.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdio>
#include <cstring>

namespace {

// The show's own entry-point table has no call to delete a shader object (the
// show never deletes one); rebuilding does, or every save would leak one.
PFNGLDELETEOBJECTARBPROC deleteObject = nullptr;

void deleteIfMade(GLuint object) {
    if (object && deleteObject) deleteObject(object);
}

std::string builtInSource(const ResourceFile& resource) {
    const unsigned char* bytes = nullptr;
    size_t size = 0;
    if (!platformFindResource(resource.type, resource.id, &bytes, &size)) return std::string();
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

bool isShader(const ResourceFile& resource) {
    return std::strcmp(resource.type, "VSHADER") == 0 || std::strcmp(resource.type, "FSHADER") == 0;
}

LiveShaderFile* fileOf(LiveShaders* live, const char* type, int id) {
    for (LiveShaderFile& file : live->files) {
        if (id != 0 && file.id == id && std::strcmp(file.type, type) == 0) return &file;
    }
    return nullptr;
}

void fail(LiveShaders* live, LiveShaderFile* file, const std::string& error) {
    std::fprintf(stderr, "%s\n", error.c_str());
    file->error = error;
    live->lastFailed = static_cast<int>(file - live->files.data());
}

// Compiles and links the program from its files' texts; puts it in use, or
// keeps the old one and blames the file whose compile failed (the trigger
// when the link did).
void rebuildProgram(LiveShaders* live, ShowProgramIndex index, LiveShaderFile* trigger) {
    GLuint* slot = showProgramSlot(index);
    if (!slot) return;
    LiveShaderFile* vertex = fileOf(live, "VSHADER", showPrograms[index].vertexShader);
    LiveShaderFile* fragment = fileOf(live, "FSHADER", showPrograms[index].fragmentShader);
    const ShaderProgramObjects made = compileAndLinkShaderProgram(vertex ? vertex->source.c_str() : nullptr,
                                                                  fragment ? fragment->source.c_str() : nullptr);
    enum { LOG_SIZE = 4096 };
    char log[LOG_SIZE] = {};
    LiveShaderFile* blamed = nullptr;
    if (vertex && !shaderObjectStatus(made.vertexShader, GL_OBJECT_COMPILE_STATUS_ARB, log, LOG_SIZE)) {
        blamed = vertex;
    } else if (fragment && !shaderObjectStatus(made.fragmentShader, GL_OBJECT_COMPILE_STATUS_ARB, log, LOG_SIZE)) {
        blamed = fragment;
    } else if (!shaderObjectStatus(made.program, GL_OBJECT_LINK_STATUS_ARB, log, LOG_SIZE)) {
        blamed = trigger;
    }
    // Attached shaders go with their program.
    deleteIfMade(made.vertexShader);
    deleteIfMade(made.fragmentShader);
    if (blamed) {
        deleteIfMade(made.program);
        fail(live, blamed, placeShaderLog(blamed->path, log));
        return;
    }
    deleteIfMade(*slot);
    *slot = made.program;
    ++live->rebuilds;
}

void rebuildProgramsOf(LiveShaders* live, LiveShaderFile* file) {
    file->error.clear();
    for (int index = 0; index < SHOW_PROGRAM_COUNT; ++index) {
        const ShowProgram& program = showPrograms[index];
        const int id = std::strcmp(file->type, "VSHADER") == 0 ? program.vertexShader : program.fragmentShader;
        if (id == file->id) rebuildProgram(live, static_cast<ShowProgramIndex>(index), file);
    }
}

}  // namespace

int startLiveShaders(LiveShaders* live, const std::string& sourceFolder) {
    *live = LiveShaders{false, FileWatch{}, {}, -1, 0};
    deleteObject = reinterpret_cast<PFNGLDELETEOBJECTARBPROC>(platformGetGlProcAddress("glDeleteObjectARB"));
    const std::string folder = sourceFolder + "/resources/";
    std::vector<size_t> edited;
    for (const ResourceFile& resource : resourceFiles) {
        if (!isShader(resource)) continue;
        LiveShaderFile file{folder + resource.file, resource.type, resource.id, builtInSource(resource), ""};
        std::string text;
        if (readWholeFile(file.path, &text)) {
            live->watching = true;
            if (text != file.source) edited.push_back(live->files.size());
            file.source = text;
        }
        live->files.push_back(file);
    }
    if (!live->watching) {
        std::fprintf(stderr, "%sshaders/ holds none of the show's shaders: playing the built-in ones\n",
                     folder.c_str());
        live->files.clear();
        return 0;
    }
    for (const LiveShaderFile& file : live->files) watchFile(&live->watch, file.path);
    for (size_t index : edited) rebuildProgramsOf(live, &live->files[index]);
    return 1;
}

int updateLiveShaders(LiveShaders* live) {
    if (!live->watching) return 0;
    const int before = live->rebuilds;
    for (const std::string& path : changedFiles(&live->watch)) {
        for (LiveShaderFile& file : live->files) {
            if (file.path != path) continue;
            std::string text;
            if (!readWholeFile(path, &text)) {
                fail(live, &file, path + ": cannot be read; its programs stay as they are");
                continue;
            }
            file.source = text;
            rebuildProgramsOf(live, &file);
        }
    }
    return live->rebuilds - before;
}

const char* liveShaderError(const LiveShaders& live) {
    if (live.lastFailed >= 0 && !live.files[live.lastFailed].error.empty()) {
        return live.files[live.lastFailed].error.c_str();
    }
    for (const LiveShaderFile& file : live.files) {
        if (!file.error.empty()) return file.error.c_str();
    }
    return "";
}
