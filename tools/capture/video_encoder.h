// Frames into a video through ffmpeg, where it is installed: raw RGB frames
// down a pipe into one ffmpeg, which encodes them; once the run is over (the
// song is rendered only when the music starts) a second ffmpeg puts the frames
// and the sound together without encoding the frames again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The path of an executable `program` in one of PATH's folders, or empty.
std::string findOnPath(const char* program);

struct VideoEncoder {
    int processId = -1;
    int input = -1;  // the pipe to ffmpeg's standard input
};

// Starts ffmpeg reading width x height RGB frames at fps from its standard
// input into framesPath (an odd side is padded by one black row or column:
// the common yuv420p format needs even sides). Returns 1, or 0 with the reason.
int startVideoEncoder(const std::string& ffmpeg, int width, int height, int fps, const std::string& framesPath,
                      VideoEncoder* encoder, std::string* error);

// One frame, top row first. Returns 1, or 0 when ffmpeg has stopped reading.
int sendVideoFrame(VideoEncoder* encoder, const uint8_t* rgb, size_t bytes);

// Closes the pipe and waits for ffmpeg. Returns 1 when it succeeded.
int finishVideoEncoder(VideoEncoder* encoder, std::string* error);

// The frames and the sound into videoPath. Returns 1, or 0 with the reason.
int muxVideo(const std::string& ffmpeg, const std::string& framesPath, const std::string& soundPath,
             const std::string& videoPath, std::string* error);
