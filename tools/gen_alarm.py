#!/usr/bin/env python3
"""Generates resources/alarm.mp3: the price watch's alarm, three short two-tone beeps.

Synthesises the sound as 16-bit mono PCM and encodes it with lame (Debian package lame,
needed only to run this script, not to build the program).

usage: tools/gen_alarm.py [OUTPUT]
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 22050
OUTPUT = "resources/alarm.mp3"


def tone(freq, seconds, volume=0.6):
    n = int(RATE * seconds)
    fade = int(RATE * 0.01)  # 10 ms ramps keep the beeps free of clicks
    samples = []
    for i in range(n):
        env = min(1.0, i / fade, (n - 1 - i) / fade)
        samples.append(volume * env * math.sin(2 * math.pi * freq * i / RATE))
    return samples


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else OUTPUT
    samples = []
    for _ in range(3):
        samples += tone(988, 0.15) + tone(740, 0.15) + silence(0.12)
    pcm = b"".join(struct.pack("<h", int(s * 32767)) for s in samples)
    with tempfile.TemporaryDirectory() as tmp:
        wav_path = os.path.join(tmp, "alarm.wav")
        with wave.open(wav_path, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm)
        subprocess.run(["lame", "--quiet", "-m", "m", "-b", "32", "--noreplaygain",
                        "--tt", "Tallyscope alarm", wav_path, output], check=True)
    print("%s: %d bytes" % (output, os.path.getsize(output)))


if __name__ == "__main__":
    main()
