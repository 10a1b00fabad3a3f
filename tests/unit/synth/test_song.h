// A whole song written for the tests (see test_song.cpp for what it covers).
#pragma once

#include "synth/song.h"

const Song& testSong();
