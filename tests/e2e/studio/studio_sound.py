"""The studio's sound as SDL's disk driver wrote it, against the offline renders.

  studio_sound.py plan SOURCE            prints, between bars: the line to edit,
                                         its new text, the loop's start in whole
                                         seconds, and the edit's first song frame
  studio_sound.py silent RAW FROM        the bytes from FROM on are all zero, and
                                         there are some
  studio_sound.py loops RAW OLD NEW START EDIT WANT AFTER
                                         the loops played from byte AFTER of RAW
                                         on, are each the old render or
                                         the new one from START's song frame (at
                                         most one switching from old to new), and
                                         the last whole one is WANT ("old"/"new")

The disk driver writes the device's format as it is: 32-bit float stereo,
44.1 kHz. Samples are compared as bytes: a render is reproduced bit for bit.
"""
import struct
import sys

FPS = 60
MUSIC_START_FRAME = 721  # the first frame past 12 s
SOUND_PER_FRAME = 44100 // FPS
ROWS_PER_PATTERN = 16
SAMPLES_PER_ROW = 6182
FRAME_BYTES = 8
EDIT_PATTERN, EDIT_ROW, EDIT_NOTE = "kickLast", 4, "C-2"
LOOP_SECONDS = 2


def song_frame_of_moment(seconds):
    return (seconds * FPS - MUSIC_START_FRAME) * SOUND_PER_FRAME


def plan(source):
    lines = open(source).read().split("\n")
    # The pattern block that holds the edited pattern, and its row.
    for number, line in enumerate(lines):
        words = line.split()
        if words[:1] == ["patterns"] and EDIT_PATTERN in words:
            column = words.index(EDIT_PATTERN)
            row_line = number + 1 + EDIT_ROW
            cells = lines[row_line].split()
            assert cells[0] == "%02d" % EDIT_ROW and cells[column] != EDIT_NOTE
            cells[column] = EDIT_NOTE
            edited = "    ".join(cells)
            break
    # Its first place in the order list.
    order = next(i for i, l in enumerate(lines) if l.split()[:1] == ["order"])
    tracks = lines[order].split()[1:]
    for line in lines[order + 1:]:
        words = line.split()
        if len(words) == len(tracks) + 1 and words[0].isdigit() and EDIT_PATTERN in words[1:]:
            position = int(words[0])
            break
    edit_frame = (position * ROWS_PER_PATTERN + EDIT_ROW) * SAMPLES_PER_ROW
    start = (edit_frame // SOUND_PER_FRAME + MUSIC_START_FRAME) // FPS - 1
    print(row_line + 1, edited, start, edit_frame, sep="|")


def wav_frames(path, first, count):
    """count frames of a float WAV from frame first on, as bytes."""
    with open(path, "rb") as wav:
        at = 12
        while True:
            wav.seek(at)
            head = wav.read(8)
            if len(head) < 8:
                raise SystemExit("no data chunk in " + path)
            size = struct.unpack("<I", head[4:])[0]
            if head[:4] == b"data":
                wav.seek(at + 8 + first * FRAME_BYTES)
                return wav.read(count * FRAME_BYTES)
            at += 8 + size + (size & 1)


def loops(raw, old, new, start_seconds, edit_frame, want, after):
    played = open(raw, "rb").read()
    start = song_frame_of_moment(start_seconds)
    # The loop and a second more, for the slack of a wrap: the renders from the loop's start.
    span = (LOOP_SECONDS + 1) * 44100
    old, new = wav_frames(old, start, span), wav_frames(new, start, span)
    edit = (edit_frame - start) * FRAME_BYTES
    assert old[:edit] == new[:edit] and old[edit:] != new[edit:], \
        "the edit should change the song from its row on, and nothing before"
    mark = old[:4096 * FRAME_BYTES]
    starts = []
    at = played.find(mark, after)
    while at >= 0:
        starts.append(at)
        at = played.find(mark, at + FRAME_BYTES)
    kinds = []
    for begin, end in zip(starts, starts[1:]):
        take = played[begin:end]
        if take == old[:len(take)]:
            kinds.append("old")
        elif take == new[:len(take)]:
            kinds.append("new")
        else:
            differs = next(i for i in range(0, len(take), FRAME_BYTES) if take[i:i + 8] != old[i:i + 8])
            if take[differs:] != new[differs:len(take)]:
                raise SystemExit("loop %d is neither render (first wrong frame %d after the loop's start)"
                                 % (len(kinds), differs // FRAME_BYTES))
            kinds.append("switch")
        if len(take) > len(old):
            raise SystemExit("loop %d is %d frames long" % (len(kinds), len(take) // FRAME_BYTES))
        if end - begin < edit:
            raise SystemExit("loop %d ends before the edit's row" % len(kinds))
    text = " ".join(kinds)
    if "new old" in text or "switch old" in text or text.count("switch") > 1:
        raise SystemExit("the sound went back to the old song: " + text)
    if not kinds or kinds[-1] != want:
        print("waiting: loops so far: " + text, file=sys.stderr)
        sys.exit(1)
    print("loops: " + text)


def silent(raw, offset):
    played = open(raw, "rb").read()[int(offset):]
    if not played or played.count(0) != len(played):
        raise SystemExit("%d bytes after the pause, not all silent" % len(played))


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "plan":
        plan(sys.argv[2])
    elif command == "silent":
        silent(sys.argv[2], sys.argv[3])
    elif command == "loops":
        loops(sys.argv[2], sys.argv[3], sys.argv[4], int(sys.argv[5]), int(sys.argv[6]), sys.argv[7],
              int(sys.argv[8]))
