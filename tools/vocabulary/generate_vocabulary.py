#!/usr/bin/env python3
"""Regenerate SkyCrier's spoken vocabulary and greeting chime.

Every clip is spoken by Festival with the CMU SLT HTS voice. Clips that are
glued to neighbours at run time ("it's" + "two" + "fifteen" + "in the
afternoon") are cut out of a whole carrier sentence, so each piece keeps the
pitch and timing it has in running speech instead of sounding like a list of
isolated words. The audio is then resampled, loudness-matched, peak-limited,
trimmed and written with a hand-built RIFF header, because the player expects
exact header layouts.

Needs: festival, festvox-us-slt-hts, sox (all Debian packages).
Usage: generate_vocabulary.py [--only NAME ...] [--check]
"""

import argparse
import array
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
from collections import deque

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
WORDS_FILE = os.path.join(REPO, "resources", "vocabulary_words.tsv")
CLIP_DIR = os.path.join(REPO, "resources", "vocabulary")
GREETING_FILE = os.path.join(REPO, "resources", "kuckoo.wav")

VOICE = "voice_cmu_us_slt_arctic_hts"
RATE = 24000
# A few clips that no bulletin plays use the other common PCM layout (16 kHz,
# 18-byte format chunk, fact chunk), so the WAVE reader's handling of it is
# exercised by real built-in data and not only by hand-made test files.
LEGACY_RATE = 16000
LEGACY_CLIPS = {"SON_FIRST", "SON_SECOND", "SON_THIRD", "SON_Y", "SON_TENTH_INCH"}

# Loudness is the RMS over "speech-active" 20 ms frames: frames whose own RMS
# is above -40 dBFS. Pauses and fades do not dilute it, so one-syllable words
# and long phrases come out equally loud.
FRAME_SECONDS = 0.020
GATE_DB = -40.0
TARGET_LOUDNESS_DB = -18.0
PEAK_CEILING_DB = -1.5  # a little under -1 dBFS so rounding never crosses it

# A sample at or above this magnitude counts as sound when trimming; the
# tests use the same value. -50 dBFS sits well above the voice's noise floor
# but below the tail of a soft /f/ or /th/.
SILENCE_THRESHOLD = 104  # int16, about -50 dBFS
EDGE_MARGIN_SECONDS = 0.015  # silence kept before and after the word
FADE_SECONDS = 0.005  # ramp on edges cut out of running speech
SENTENCE_EDGE_SECONDS = 0.030  # pause kept (and faded) at a sentence's ends
END_RAMP_SECONDS = 0.002  # final ramp so a clip starts and ends at zero
MAX_DC_OFFSET = 5  # LSB: mean sample value allowed in a finished clip


# Clips are kept short so a bulletin stays brisk and each fits a small
# buffer; a phrase that comes out longer is spoken again slightly faster.
MAX_DATA_BYTES = 67000
SPEEDS = (1.0, 1.04, 1.08)


# --- carrier sentences -------------------------------------------------------
# "{}" marks where the clip's own words sit inside the sentence it is cut
# from; a clip without a carrier is spoken on its own.

def carrier_for(name):
    if name in CARRIERS:
        return CARRIERS[name]
    if re.fullmatch(r"SON\d+", name):
        value = int(name[3:])
        if value <= 100:
            # Cut before "percent", the closing "one" of 21, 31 ... 91 was
            # heard as "wind" in bulletins.
            if value > 20 and value % 10 == 1:
                return "number {} is"
            return "humidity {} percent"
        if value in (900, 1000):
            return "pressure {} thirteen millibars"
        return None  # years end the date, so their own falling tone fits
    if re.fullmatch(r"SON\d+_ET", name):
        return "it's {} fifteen in the afternoon"
    if name.endswith("_AND"):
        return "{} six degrees"
    if name in ("SON_MON", "SON_TUE", "SON_WED", "SON_THU", "SON_FRI", "SON_SAT", "SON_SUN"):
        return "{} seven December twenty twenty-six"
    if name in ("SON_JAN", "SON_FEB", "SON_MAR", "SON_APR", "SON_MAY", "SON_JUN",
                "SON_JUL", "SON_AUG", "SON_SEP", "SON_OCT", "SON_NOV", "SON_DEC"):
        return "Monday seven {} twenty twenty-six"
    compass = ("NORTH", "SOUTH", "EAST", "WEST")
    if name == "SON_VARIABLE" or (name.startswith("SON_") and
                                  all(p in compass for p in name[4:].split("_"))):
        return "direction {}"
    return CARRIERS.get(name)


# Clips whose words a recogniser mistook when cut from the general carriers
# above ("one" heard as "wind", "point" as "twenty", "inches" as "tenths")
# come from sentences that give them their full stress.
CARRIERS = {
    "SON1": "number {} is",
    "SON100": "number {} is",
    "SON18": "{}",
    "SON_THU": "on {} seven December",
    "SON_MIST": "{} and fog",
    "SON_KUCKOO": "the {} sings",
    "SON_EAST": "wind from the {}",
    "SON_WEST": "{}",
    "SON_IT_S": "{} two fifteen in the afternoon",
    "SON_IT_S1": "{} in the afternoon",
    "SON_AM": "it's ten fifteen {}",
    "SON_AM1": "two fifteen {}, rain",
    "SON_PM": "{}",
    "SON_PM1": "it's nine fifteen {}",
    "SON_INT_TEMP": "{} minus five degrees",
    "SON_EXT_TEMP": "{} minus five degrees",
    "SON_WIND_CHILL": "{} minus five degrees",
    "SON_DEW_POINT": "{} minus five degrees",
    "SON_MINUS": "outside temperature {} five degrees",
    "SON_DEGREES": "outside temperature twelve {}",
    "SON_DEGREES1": "one {} outside",
    "SON_PRESSURE": "{} one thousand thirteen millibars",
    "SON_MILLIBARS": "pressure one thousand thirteen {}",
    "SON_INHG": "pressure twenty-nine point nine two {}",
    "SON_POINT": "twenty-nine {} nine",
    "SON_STEADY": "one thousand thirteen millibars, {}",
    "SON_RISING": "one thousand thirteen millibars, {}",
    "SON_FALLING": "one thousand thirteen millibars, {}",
    "SON_WIND": "{} twelve kilometers per hour",
    "SON_GUST": "{}",
    "SON_KMH": "wind twelve {}",
    "SON_KMH1": "wind one {}",
    "SON_MPH": "wind twelve {}",
    "SON_DIR": "{} north north east",
    "SON_RAIN24": "{} three millimeters",
    "SON_MILLIMETERS": "rain twelve {}",
    "SON_MILLIMETERS1": "rain one {}",
    "SON_INCH": "two {} of rain",
    "SON_TENTH_INCH": "rain three {}",
    "SON_RAINING": "{} heavily",
    "SON_SNOWING": "{} heavily",
    "SON_HAILING": "{} heavily",
    "SON_LIGHTLY": "raining {}",
    "SON_MODERATLY": "raining {}",
    "SON_HEAVILY": "raining {}",
    "SON_HUMIDITY": "{} eighty-seven percent",
    "SON_PERCENT": "humidity eighty-seven {}",
}


# Spoken at a pace of their own (above 1 is faster): at the common pace the
# /g/ of "gusts" was lost ("past", "test"), "west" was heard as "less" and
# "thirty" alone as "thirty-eight".
PACE = {"SON_GUST": 0.9, "SON_WEST": 0.9, "SON30": 1.05}


def words_of(text):
    """Word sequence as Festival names it: hyphens split, apostrophes vanish."""
    return [w.replace("'", "").lower() for w in re.split(r"[\s\-,]+", text) if w]


def read_word_list(path):
    clips = []
    with open(path, encoding="utf-8") as f:
        for line_no, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            name, sep, text = line.partition("\t")
            if not sep or not re.fullmatch(r"SON[0-9A-Z_]+", name) or not text:
                sys.exit(f"{path}:{line_no}: expected NAME<TAB>text")
            clips.append((name, text))
    names = [n for n, _ in clips]
    if len(set(names)) != len(names):
        sys.exit(f"{path}: duplicate clip names")
    return clips


# --- synthesis ---------------------------------------------------------------

def scheme_string(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def synthesise(jobs, workdir, speed=1.0):
    """Speak every (key, sentence) in one Festival run; speed > 1 is faster.

    Returns {key: (wav_path, [(word, start_s, end_s), ...])}.
    """
    script = [f"({VOICE})",
              f'(set! hts_engine_params (append hts_engine_params (list (list "-r" {speed}))))',
              "(define (skycrier-say key text wav)"
              "  (let ((u (SynthText text)))"
              "    (utt.save.wave u wav 'riff)"
              "    (mapcar (lambda (w) (format t \"WORD %s %s %f %f\\n\" key (item.name w)"
              "       (item.feat w \"R:SylStructure.daughter1.daughter1.segment_start\")"
              "       (item.feat w \"R:SylStructure.daughtern.daughtern.end\")))"
              "      (utt.relation.items u 'Word))))"]
    result = {}
    for key, sentence in jobs:
        wav = os.path.join(workdir, key + ".raw.wav")
        script.append(f"(skycrier-say {scheme_string(key)} {scheme_string(sentence)} "
                      f"{scheme_string(wav)})")
        result[key] = (wav, [])
    script_path = os.path.join(workdir, "speak.scm")
    with open(script_path, "w", encoding="utf-8") as f:
        f.write("\n".join(script) + "\n")
    out = subprocess.run(["festival", "-b", script_path], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 5 and parts[0] == "WORD":
            result[parts[1]][1].append((parts[2].lower(), float(parts[3]), float(parts[4])))
    return result


def cut_clip(name, text, carrier, words, audio, rate):
    """The clip's words out of the (resampled) carrier recording, softly cut."""
    wanted = words_of(text)
    first = len(words_of(carrier.split("{}")[0]))
    last = first + len(wanted)
    got = [re.sub(r"[^a-z0-9]", "", w) for w, _, _ in words[first:last]]
    if got != [re.sub(r"[^a-z0-9]", "", w) for w in wanted]:
        sys.exit(f"{name}: festival said {[w for w, _, _ in words]} for {carrier!r}")
    # Inside a sentence the cut sits on the word boundary with a short ramp.
    # At the sentence's own start or end, a little of the pause is kept and
    # faded so no onset or release is lost; the vocoder's faint hiss in that
    # pause would otherwise survive the silence trim.
    inner, outer = int(FADE_SECONDS * rate), int(SENTENCE_EDGE_SECONDS * rate)
    start = int(round(words[first][1] * rate))
    end = int(round(words[last - 1][2] * rate))
    fade_in = fade_out = inner
    if first == 0:
        start, fade_in = max(0, start - outer), outer
    if last == len(words):
        end, fade_out = min(len(audio), end + outer), outer
    clip = audio[start:end]
    ramp(clip, fade_in, fade_out)
    return clip


def ramp(samples, fade_in, fade_out):
    """Raised-cosine fade over the first/last samples, in place."""
    for n, at_end in ((fade_in, False), (fade_out, True)):
        n = min(n, len(samples))
        for i in range(n):
            g = 0.5 - 0.5 * math.cos(math.pi * (i + 0.5) / n)
            samples[len(samples) - 1 - i if at_end else i] *= g


def resample(path, rate_out, workdir):
    """A festival wav at rate_out as floats: sox's high-quality resampler, plus
    a 60 Hz high-pass so rumble and DC do not eat headroom. Run over the whole
    sentence before cutting so the filter has no edges to ring on."""
    dst = os.path.join(workdir, "out.f32")
    subprocess.run(["sox", path, "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
                    "-r", str(rate_out), dst, "highpass", "60", "rate", "-v", str(rate_out)],
                   check=True)
    out = array.array("f")
    with open(dst, "rb") as f:
        out.frombytes(f.read())
    if sys.byteorder == "big":
        out.byteswap()
    return list(out)


# --- level ---------------------------------------------------------------------

def loudness_db(samples, rate):
    """Speech-active RMS in dBFS (see FRAME_SECONDS and the gates above)."""
    n = int(rate * FRAME_SECONDS)
    energies = [sum(x * x for x in samples[i:i + n]) / n
                for i in range(0, len(samples) - n + 1, n)]
    loudest = max(energies, default=0.0)
    if loudest <= 0.0:
        return -math.inf
    # A clip quieter than the gate throughout is measured by its loudest frame.
    active = [e for e in energies if e > 10 ** (GATE_DB / 10)] or [loudest]
    return 10 * math.log10(sum(active) / len(active))


def limit_peaks(samples, rate, ceiling):
    """Look-ahead peak limiter: a smooth gain dip around each over-ceiling peak."""
    need = [min(1.0, ceiling / abs(x)) if x else 1.0 for x in samples]
    if min(need) >= 1.0:
        return samples
    hold = int(0.004 * rate)
    # Sliding minimum over +-hold samples so the dip starts before the peak.
    gain = [1.0] * len(samples)
    window = deque()
    for i in range(len(samples) + hold):
        if i < len(samples):
            while window and need[window[-1]] >= need[i]:
                window.pop()
            window.append(i)
        j = i - hold
        if j >= 0:
            while window[0] < j - hold:
                window.popleft()
            gain[j] = need[window[0]]
    # Two box smoothings (a triangle) keep the dip free of clicks; a box of the
    # hold width never lifts the gain above what a peak inside the hold needs.
    for _ in range(2):
        width = hold
        acc, smoothed = 0.0, []
        padded = [1.0] * (width // 2) + gain + [1.0] * width
        for i, g in enumerate(padded):
            acc += g
            if i >= width:
                acc -= padded[i - width]
            if i >= width - 1:
                smoothed.append(acc / width)
        gain = smoothed[:len(samples)]
    return [x * g for x, g in zip(samples, gain)]


def level(samples, rate):
    """Bring the clip to TARGET_LOUDNESS_DB without any peak above the ceiling."""
    ceiling = 10 ** (PEAK_CEILING_DB / 20)
    for _ in range(6):
        gain = 10 ** ((TARGET_LOUDNESS_DB - loudness_db(samples, rate)) / 20)
        samples = limit_peaks([x * gain for x in samples], rate, ceiling)
        if abs(loudness_db(samples, rate) - TARGET_LOUDNESS_DB) < 0.05:
            break
    return [max(-ceiling, min(ceiling, x)) for x in samples]


def to_int16(samples):
    return array.array("h", (max(-32768, min(32767, int(round(x * 32768)))) for x in samples))


def centred(samples):
    """The samples less their mean. The high-pass leaves a little DC in a clip
    cut from a longer sentence; without it, clips joined back to back do not
    step at the seams."""
    offset = sum(samples) / len(samples)
    return [s - offset for s in samples]


def trim(pcm, rate):
    loud = [i for i, s in enumerate(pcm) if abs(s) >= SILENCE_THRESHOLD]
    if not loud:
        sys.exit("clip is silent")
    margin = int(EDGE_MARGIN_SECONDS * rate)
    # Centred once more: the silence cut away held part of the offset.
    kept = centred([float(s) for s in pcm[max(0, loud[0] - margin):loud[-1] + 1 + margin]])
    ramp(kept, int(END_RAMP_SECONDS * rate), int(END_RAMP_SECONDS * rate))
    return array.array("h", (int(round(s)) for s in kept))


# --- RIFF writing --------------------------------------------------------------

def wave_bytes(pcm, rate, legacy=False):
    """Canonical 44-byte PCM header, or the 18-byte-fmt + fact layout."""
    data = array.array("h", pcm)
    if sys.byteorder == "big":
        data.byteswap()
    data = data.tobytes()
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    chunks = []
    if legacy:
        fmt += struct.pack("<H", 0)  # cbSize: no extra format bytes
        chunks.append(b"fmt " + struct.pack("<I", len(fmt)) + fmt)
        chunks.append(b"fact" + struct.pack("<II", 4, len(pcm)))
    else:
        chunks.append(b"fmt " + struct.pack("<I", len(fmt)) + fmt)
    chunks.append(b"data" + struct.pack("<I", len(data)) + data)
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def read_clip(path):
    """(rate, int16 samples) of a clip written by wave_bytes."""
    blob = open(path, "rb").read()
    pos, rate, pcm = 12, None, None
    while pos + 8 <= len(blob):
        tag, size = blob[pos:pos + 4], struct.unpack_from("<I", blob, pos + 4)[0]
        if tag == b"fmt ":
            rate = struct.unpack_from("<I", blob, pos + 12)[0]
        elif tag == b"data":
            pcm = array.array("h", blob[pos + 8:pos + 8 + size])
            if sys.byteorder == "big":
                pcm.byteswap()
        pos += 8 + size + (size & 1)
    return rate, pcm


# --- greeting chime --------------------------------------------------------------

def greeting_chime():
    """Two "cu-ckoo" calls: a soft 700 Hz note falling a major third to 560 Hz."""
    rate = RATE
    out = []

    def note(freq, seconds, attack=0.020, release=0.12):
        n = int(seconds * rate)
        for i in range(n):
            t = i / rate
            env = min(1.0, t / attack) * (math.exp(-max(0.0, t - attack) / release * 0.7))
            env *= min(1.0, (n - i) / (0.015 * rate))  # no click at the end
            # A touch of 2nd harmonic makes it sound like a wooden pipe, not a test tone.
            out.append(env * (math.sin(2 * math.pi * freq * t)
                              + 0.18 * math.sin(4 * math.pi * freq * t)))

    def pause(seconds):
        out.extend([0.0] * int(seconds * rate))

    for call in range(2):
        note(700.0, 0.18)
        pause(0.07)
        note(560.0, 0.36, release=0.25)
        if call == 0:
            pause(0.38)
    return level(out, rate)


# --- main --------------------------------------------------------------------------

def check(clips):
    """Report level and edges of the committed clips; non-zero exit on a miss."""
    bad = 0
    for name, _ in clips:
        rate, pcm = read_clip(os.path.join(CLIP_DIR, name.lower() + ".wav"))
        x = [s / 32768.0 for s in pcm]
        peak = 20 * math.log10(max(abs(s) for s in pcm) / 32768.0)
        loud = [i for i, s in enumerate(pcm) if abs(s) >= SILENCE_THRESHOLD]
        lead, tail = loud[0] / rate * 1000, (len(pcm) - 1 - loud[-1]) / rate * 1000
        lufs = loudness_db(x, rate)
        dc = abs(sum(pcm) / len(pcm))
        ok = (peak <= -1.0 and lead <= 30 and tail <= 30 and abs(lufs - TARGET_LOUDNESS_DB) < 0.5
              and dc < MAX_DC_OFFSET)
        bad += not ok
        print(f"{name:22s} {rate:5d} Hz {len(pcm) * 2:6d} B  loud {lufs:6.2f} dB  "
              f"peak {peak:5.2f} dBFS  DC {dc:4.1f}  edges {lead:4.1f}/{tail:4.1f} ms"
              f"{'' if ok else '  <-- BAD'}")
    return bad == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--only", nargs="+", metavar="NAME",
                        help="regenerate just these clips (e.g. SON_NORTH)")
    parser.add_argument("--check", action="store_true",
                        help="measure the committed clips instead of generating")
    args = parser.parse_args()

    clips = read_word_list(WORDS_FILE)
    if args.check:
        return 0 if check(clips) else 1
    for tool in ("festival", "sox"):
        if not shutil.which(tool):
            sys.exit(f"{tool} not found: apt-get install festival festvox-us-slt-hts sox")

    selected = clips
    if args.only:
        wanted = {n.upper() for n in args.only}
        selected = [c for c in clips if c[0] in wanted]
        if len(selected) != len(wanted):
            sys.exit(f"unknown clip(s): {sorted(wanted - {c[0] for c in clips})}")

    os.makedirs(CLIP_DIR, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="skycrier-vocab-") as work:
        pending = selected
        for speed in SPEEDS:
            by_pace = {}
            for name, text in pending:
                by_pace.setdefault(speed * PACE.get(name, 1.0), []).append(
                    (name, (carrier_for(name) or "{}").format(text)))
            spoken = {}
            for pace, jobs in by_pace.items():
                spoken.update(synthesise(jobs, work, pace))
            too_long = []
            for name, text in pending:
                legacy = name in LEGACY_CLIPS
                rate = LEGACY_RATE if legacy else RATE
                wav, words = spoken[name]
                clip = centred(cut_clip(name, text, carrier_for(name) or "{}", words,
                                        resample(wav, rate, work), rate))
                pcm = trim(to_int16(level(clip, rate)), rate)
                if len(pcm) * 2 > MAX_DATA_BYTES and speed != SPEEDS[-1]:
                    too_long.append((name, text))
                    continue
                with open(os.path.join(CLIP_DIR, name.lower() + ".wav"), "wb") as f:
                    f.write(wave_bytes(pcm, rate, legacy))
                print(f"{name:22s} {len(pcm) / rate:5.2f} s  x{speed * PACE.get(name, 1.0):.2f}  {text}",
                      flush=True)
            pending = too_long

    if not args.only:
        with open(GREETING_FILE, "wb") as f:
            f.write(wave_bytes(to_int16(greeting_chime()), RATE))
    return 0 if check(selected) else 1


if __name__ == "__main__":
    sys.exit(main())
