# The browser build (emscripten, see scripts/build-web): the page index.html
# with quorvel.js and quorvel.wasm, the demo on WebGL 2 and Web Audio with no
# threads (platform/web); and quorvel-render-song.js, the song rendered under
# node. The build-time tools (song compiler, resource embedder, shader
# converter) are built for the host, as for Windows.

# stb_image is one header: take the distribution's, outside the sysroot.
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include PATH_SUFFIXES stb REQUIRED NO_CMAKE_FIND_ROOT_PATH)
# OpenGL comes with emscripten: the WebGL library, and the GL 1.1 layer of platform/web.
add_library(OpenGL::GL INTERFACE IMPORTED)
add_library(OpenGL::GLU INTERFACE IMPORTED)

include(QuorvelHostTools)
quorvel_host_tools(quorvel-song-compiler quorvel-embed-resources quorvel-convert-shader)

# The shaders go into the program in their GLSL ES 3.00 form.
set(QUORVEL_GLSL_ES ON)
# quorvel_convert_shader(VSHADER|FSHADER SOURCE OUT): OUT, written from SOURCE at build time.
function(quorvel_convert_shader type source out)
  get_filename_component(folder ${out} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  add_custom_command(
    OUTPUT ${out}
    COMMAND quorvel-convert-shader ${type} ${source} ${out}
    DEPENDS quorvel-convert-shader ${source}
    COMMENT "Converting ${source} to GLSL ES 3.00")
endfunction()

quorvel_add_layers()

# quorvel.js defines createQuorvel(options), which the page calls once for
# each run of the show. The program waits for the answer to its question and
# for each animation frame without blocking the browser: ASYNCIFY suspends the
# few calls on the way there (they are called directly, so indirect calls need
# no such care). The song (190 MB of static buffers) fits the first memory.
target_link_options(quorvel PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=createQuorvel -sENVIRONMENT=web -sFILESYSTEM=0
  -sASYNCIFY=1 -sASYNCIFY_IGNORE_INDIRECT=1
  -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sINITIAL_MEMORY=256MB -sALLOW_MEMORY_GROWTH=1
  --pre-js ${PROJECT_SOURCE_DIR}/platform/web/web_platform.js)
set_property(TARGET quorvel APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/platform/web/web_platform.js)
# The page's icon is the program's own, inline (every byte percent-encoded): a
# page without one makes the browser ask its host for a file it lacks.
set(page_icon ${PROJECT_SOURCE_DIR}/resources/icons/quorvel-32.png)
file(READ ${page_icon} QUORVEL_PAGE_ICON HEX)
string(REGEX REPLACE "(..)" "%\\1" QUORVEL_PAGE_ICON "${QUORVEL_PAGE_ICON}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page_icon})
configure_file(${PROJECT_SOURCE_DIR}/platform/web/index.html ${PROJECT_BINARY_DIR}/index.html @ONLY)

# quorvel-render-song for node, writing its files where it is told (with the
# song compiler's library, for --song).
foreach(tool float_wav output_place progress_bar song_compiler render_song)
  add_subdirectory(tools/${tool})
endforeach()
target_link_options(quorvel-render-song PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sINITIAL_MEMORY=256MB
  -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
