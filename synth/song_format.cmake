# The unit table, the song validator and the delay lengths stand alone: the song compiler
# checks the tables it makes with them before the engine (and demoSong) exist.
# Included by synth/CMakeLists.txt, and by the Windows build's host tools
# (cmake/host_tools), which build the song compiler by itself.
set(song_format_sources ${CMAKE_CURRENT_LIST_DIR}/unit_table.cpp ${CMAKE_CURRENT_LIST_DIR}/song_validator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/delay_lengths.cpp)
quorvel_product_library(quorvel_song_format SOURCES ${song_format_sources})
