#include "tests/e2e/capture/capture_runner.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

std::string buildProgram(const char* name) { return std::string(CAPTURE_BUILD_DIR) + "/" + name; }

ShellRun runCapture(const std::vector<std::string>& arguments, const std::string& prefix) {
    std::string command = prefix + " '" + buildProgram("quorvel-capture") + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    return shell(command);
}

std::vector<unsigned char> pngPixels(const std::string& path) {
    const std::vector<unsigned char> bytes = fileBytes(path);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3);
    std::vector<unsigned char> rgb(pixels, pixels + (pixels ? static_cast<size_t>(width) * height * 3 : 0));
    stbi_image_free(pixels);
    return rgb;
}
