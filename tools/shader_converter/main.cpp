// quorvel-convert-shader VSHADER|FSHADER IN OUT: writes the GLSL ES 3.00 form
// of the GLSL 1.10 shader IN (see shader_converter.h). Runs at build time.
#include "tools/shader_converter/shader_converter.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "VSHADER") != 0 && std::strcmp(argv[1], "FSHADER") != 0)) {
        std::fprintf(stderr, "usage: %s VSHADER|FSHADER IN OUT\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[2]);
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string converted, error;
    const ShaderStage stage = argv[1][0] == 'V' ? VERTEX_STAGE : FRAGMENT_STAGE;
    if (!convertShaderToEs300(source, stage, &converted, &error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << converted;
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
