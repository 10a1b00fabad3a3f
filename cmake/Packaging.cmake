# Installing and packaging: the demo and the tools under the prefix, a desktop
# entry with its icon, and a Debian package through CPack (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS quorvel quorvel-render-song quorvel-capture RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quorvel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quorvel.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual pages are written in markdown; pandoc turns them into roff, which
# is compressed as Debian's tools do it (no name or time in the header).
find_program(PANDOC pandoc REQUIRED)
set(manual_pages)
foreach(program quorvel quorvel-capture quorvel-render-song)
  set(source ${PROJECT_SOURCE_DIR}/packaging/man/${program}.1.md)
  set(roff ${PROJECT_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${roff}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${PANDOC} --standalone --from markdown-smart --to man "--metadata=footer:Quorvel ${PROJECT_VERSION}"
            --output ${roff} ${source}
    COMMAND gzip -9nf ${roff}
    DEPENDS ${source} VERBATIM)
  list(APPEND manual_pages ${roff}.gz)
endforeach()
add_custom_target(quorvel_manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <developers@quorvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time audiovisual demo with its own synthesizer")
set(CPACK_PACKAGE_DESCRIPTION "Quorvel plays a fixed show in real time with OpenGL: a logo assembling
from thousands of cubes, a picture-tube transition, and a ray-marched sponge
fractal in a letterbox with a banner and a scroll text, all through an
old-screen post-process. Its music is synthesized while it plays by its own
software synthesizer, and the pictures react to the music's notes.
.
The package also carries quorvel-render-song, which renders the music to a
WAV file, and quorvel-capture, which records stills, sound and video of the
show off line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL while the program runs, where the computed dependencies
# cannot see it; without libGL and a driver the demo only shows its error box.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libgl1-mesa-dri | libgl1-amber-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The package is its own upstream (a native package): its changelog names this
# version and is compressed as Debian's tools do it.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
set(package_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${package_changelog}
  COMMAND gzip -9n < ${PROJECT_BINARY_DIR}/changelog > ${package_changelog}
  DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(quorvel_package_changelog ALL DEPENDS ${package_changelog})
install(FILES ${package_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
