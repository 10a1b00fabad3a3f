# The Windows build (cross-built with mingw-w64, see cmake/toolchains): only
# quorvel.exe and the libraries it links. Tools, tests and the benchmark stay
# on the host build; the one build-time tool the demo needs, the song compiler,
# is built for the host here, in a sub-build of its own.

# quorvel.exe needs only Windows' own DLLs: the C++ runtime and libgcc are
# linked in, and it is a windowed program (no console). It carries no time
# stamp, so that the same sources link to the same bytes.
add_link_options(-static -mwindows -Wl,--no-insert-timestamp)

find_package(OpenGL REQUIRED)  # opengl32 and glu32 from the cross sysroot
# stb_image is one header: take the distribution's, outside the cross sysroot.
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include PATH_SUFFIXES stb REQUIRED NO_CMAKE_FIND_ROOT_PATH)

include(QuorvelHostTools)
quorvel_host_tools(quorvel-song-compiler)

quorvel_add_layers()
