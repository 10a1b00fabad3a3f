// The track frames of a song with split routines, rendered ahead of the
// master a chunk at a time into a ring of chunks: group 0's on the thread
// that renders the master, when the master comes to the chunk; group 1's on a
// worker thread that runs up to CHUNK_RING chunks ahead. The two groups share
// nothing (synth_engine.h), so the frames are those of renderFrames. Only
// where the platform has worker threads: elsewhere the song renders whole
// frames, renderFrames itself.
#pragma once

#include "platform/common/worker_thread.h"
#include "synth/synth_engine.h"

#if PLATFORM_WORKER_THREADS

enum { CHUNK_RING = 4 };

// Ends the render of track chunks, if one is under way (its worker stops
// using the engine): before the engine is reset.
void endTrackChunks();

// Starts on the tracks of engine, reset to the song's first frame, for
// frameCount frames. 1 for success; 0 if the system refuses a worker thread
// (the engine is then to render whole frames).
int startTrackChunks(SynthEngine& engine, int32_t frameCount);

// The two groups' frames of chunk number `chunk`, rendered if they are not
// yet. Chunks come in order: each is asked for after the one before it has
// been released, as often as the master wants it.
const TrackFrames& trackChunk(int32_t chunk);

// The master is done with the chunk: its place in the ring may take a later one.
void releaseTrackChunk(int32_t chunk);

// For the tests: with `heels` set, each release waits until the worker has
// filled the released place with its next chunk, so that the master runs at
// the worker's heels, the schedule where a chunk released before the master
// has read all of it shows.
void holdMasterAtWorkersHeels(bool heels);
#endif
