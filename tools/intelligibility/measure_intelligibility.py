#!/usr/bin/env python3
"""How well a speech recogniser understands SkyCrier's bulletins and clips.

Usage: measure_intelligibility.py [--build DIR] [--clips DIR] [--keep DIR] [--worst N]

Renders a fixed set of bulletins with `skycrier-cli bulletin --wav`, has
Festival speak the same sentences whole with the voice the clips come from,
and decodes both with PocketSphinx: once with the general en-us language
model and once restricted to the vocabulary's words. Then decodes every clip
alone, beside the voice saying the clip's text alone, both as one of the
vocabulary's clips and as any sequence of its words, and measures the clips'
levels.

These are figures for people tuning the clips, not a pass/fail test.

Needs: skycrier-cli built in the worktree's build/ folder, and the Debian
packages pocketsphinx, pocketsphinx-en-us, festival, festvox-us-slt-hts, sox.
"""

import argparse
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

# The clips' own generator: the word list, the clip reader and the loudness
# measure are the same ones the clips are made with.
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "vocabulary"))
import generate_vocabulary as vocabulary  # noqa: E402

REPO = vocabulary.REPO
WORDS_FILE = vocabulary.WORDS_FILE
CLIP_DIR = vocabulary.CLIP_DIR
MODEL_DIR = "/usr/share/pocketsphinx/model/en-us"
VOICE = vocabulary.VOICE
DECODE_RATE = 16000


# Vocabulary words the recogniser's dictionary lacks.
EXTRA_PRONUNCIATIONS = {"millibars": "M IH L AH B AA R Z"}

# Compounds the recogniser's dictionary holds both whole and in parts: the
# same sounds, so they count as their parts whichever way it writes them.
COMPOUNDS = {"northeast": "north east", "northwest": "north west",
             "southeast": "south east", "southwest": "south west", "rainfall": "rain fall",
             "windchill": "wind chill", "mph": "m p h"}

METRIC = {"UNITTC": "Y", "UNITPM": "Y", "UNITVK": "Y", "UNITRM": "Y"}
IMPERIAL = {"UNITTC": "N", "UNITPM": "N", "UNITVK": "N", "UNITRM": "N"}
STATION = "Tint,Text,Patm,Tend,Vent,Rafa,Dire,TRes,Pluie,HumiExt"
AIRPORT = "Text,Patm,Vent,Rafa,Dire,TRes,HumiExt,Phenomena"


def case(at, units, rose16, source, enabled, **values):
    return {"at": at, "units": units, "rose16": rose16, "source": source,
            "enabled": enabled, "values": values}


# Every spoken item, both unit systems, both compass roses, present weather,
# years inside and outside the year clips' range, times across the day.
BULLETINS = [
    case("2026-12-07 14:15:00", METRIC, False, "W23", STATION, Tint=21, Text=-5, Patm=1013, Tend=2,
         Vent=12, Rafa=30, Dire=30, TRes=-9, Pluie=3, HumiExt=87),
    case("2023-01-01 00:05:00", METRIC, True, "Pro2", STATION, Tint=19, Text=0, Patm=999, Tend=1,
         Vent=1, Rafa=7, Dire=200, TRes=-1, Pluie=0, HumiExt=100),
    case("2024-02-29 01:00:00", IMPERIAL, False, "W28", STATION, Tint=68, Text=23, Patm=29.92, Tend=0,
         Vent=15, Rafa=40, Dire=90, TRes=11, Pluie=0.25, HumiExt=64),
    case("2025-03-15 03:30:00", IMPERIAL, True, "W23", STATION, Tint=71, Text=104, Patm=30.07, Tend=2,
         Vent=150, Rafa=160, Dire=315, TRes=99, Pluie=1.5, HumiExt=18),
    case("2027-04-10 05:59:00", METRIC, True, "W23", STATION, Tint=18, Text=1, Patm=950, Tend=1,
         Vent=8, Rafa=22, Dire=45, TRes=-3, Pluie=12, HumiExt=93),
    case("2028-05-20 06:45:00", METRIC, False, "METAR", AIRPORT, Text=9, Patm=1021, Vent=18, Rafa=35,
         Dire=999, TRes=6, HumiExt=76, Phenomena=4 | 1),
    case("2029-06-21 09:10:00", METRIC, True, "METAR", AIRPORT, Text=-12, Patm=1040, Vent=25, Rafa=0,
         Dire=170, TRes=-20, HumiExt=55, Phenomena=8 | 2),
    case("2030-07-04 12:00:00", IMPERIAL, False, "METAR", AIRPORT, Text=88, Patm=29.53, Vent=6,
         Rafa=0, Dire=250, TRes=91, HumiExt=40, Phenomena=16),
    case("2031-08-08 12:30:00", METRIC, True, "METAR", AIRPORT, Text=14, Patm=1005, Vent=3, Rafa=0,
         Dire=340, TRes=13, HumiExt=98, Phenomena=32),
    case("2032-09-09 13:00:00", METRIC, False, "METAR", AIRPORT, Text=3, Patm=1030, Vent=0, Rafa=0,
         Dire=0, TRes=3, HumiExt=99, Phenomena=64),
    case("2033-10-31 15:25:00", IMPERIAL, True, "METAR", AIRPORT, Text=47, Patm=30.21, Vent=11, Rafa=21,
         Dire=120, TRes=42, HumiExt=81, Phenomena=4),
    case("2036-11-11 17:59:00", METRIC, True, "Pro2", STATION, Tint=22, Text=-31, Patm=1049, Tend=0,
         Vent=44, Rafa=61, Dire=100, TRes=-45, Pluie=27, HumiExt=33),
    case("2040-12-25 20:20:00", METRIC, False, "W28", STATION, Tint=23, Text=-1, Patm=931, Tend=2,
         Vent=70, Rafa=95, Dire=180, TRes=-14, Pluie=150, HumiExt=72),
    case("2044-01-16 21:40:00", IMPERIAL, True, "W23", STATION, Tint=66, Text=32, Patm=28.61, Tend=1,
         Vent=2, Rafa=9, Dire=260, TRes=29, Pluie=0.08, HumiExt=48),
    case("2047-02-02 23:55:00", METRIC, True, "W23", STATION, Tint=20, Text=38, Patm=1016, Tend=0,
         Vent=16, Rafa=27, Dire=236, TRes=41, Pluie=5, HumiExt=29),
    case("2050-03-19 08:08:00", IMPERIAL, False, "Pro2", STATION, Tint=73, Text=55, Patm=29.06, Tend=2,
         Vent=19, Rafa=33, Dire=140, TRes=50, Pluie=4.07, HumiExt=61),
    case("2019-04-23 10:50:00", METRIC, True, "W28", STATION, Tint=24, Text=17, Patm=1000, Tend=1,
         Vent=35, Rafa=50, Dire=292, TRes=16, Pluie=1, HumiExt=57),
    case("2055-05-05 16:01:00", METRIC, False, "APRS", "Text,Patm,Vent,Rafa,Dire,TRes,Pluie,HumiExt",
         Text=26, Patm=1011, Vent=9, Rafa=14, Dire=270, TRes=28, Pluie=60, HumiExt=44),
    case("2034-06-30 19:36:00", IMPERIAL, True, "METAR", AIRPORT, Text=79, Patm=29.8, Vent=1,
         Rafa=0, Dire=20, TRes=80, HumiExt=66, Phenomena=8 | 1),
    case("2045-09-17 04:44:00", METRIC, True, "Pro2", STATION, Tint=25, Text=-27, Patm=967, Tend=2,
         Vent=58, Rafa=83, Dire=65, TRes=-40, Pluie=89, HumiExt=2),
]


def fail(message):
    sys.exit(f"measure_intelligibility: {message}")


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        fail(f"{' '.join(command)} exited with {result.returncode}: {result.stderr.strip()[-400:]}")
    return result.stdout


def read_words():
    return dict(vocabulary.read_word_list(WORDS_FILE))


def tokens(text):
    """Words as the recogniser's dictionary spells them: lower case, no hyphens."""
    out = []
    for word in re.split(r"[\s\-,.]+", text.lower()):
        if word:
            out.extend(COMPOUNDS.get(word, word).split())
    return out


# --- bulletins ---------------------------------------------------------------

def write_inputs(bulletin, folder, index):
    ini = os.path.join(folder, f"b{index:02d}.ini")
    record = os.path.join(folder, f"b{index:02d}.rec")
    settings = dict(bulletin["units"], DATE="Y", ROSE="16" if bulletin["rose16"] else "8")
    with open(ini, "w", encoding="utf-8") as f:
        f.write("[SKYCRIER V2.2.2]\n" + "".join(f"{k}={v}\n" for k, v in settings.items()))
    with open(record, "w", encoding="utf-8") as f:
        f.write(f"Source={bulletin['source']}\nObservedAt={bulletin['at']}\n"
                f"Enabled={bulletin['enabled']}\n")
        f.write("".join(f"{k}={v}\n" for k, v in bulletin["values"].items()))
    return ini, record


def render(cli, clips, bulletin, folder, index, texts):
    """The bulletin's wave file, and its sentence as phrases (one per item)."""
    ini, record = write_inputs(bulletin, folder, index)
    common = [cli, "bulletin", "--ini", ini, "--record", record, "--at", bulletin["at"],
              "--folder", folder]
    if clips:
        common += ["--vocabulary", clips]
    phrases = [[]]
    for line in run(common + ["--list"]).splitlines():
        parts = line.split()
        if parts and parts[0] == "wait" and phrases[-1]:
            phrases.append([])
        elif parts and parts[0] == "play":
            phrases[-1].append(texts[parts[1].upper()])
    wav = os.path.join(folder, f"b{index:02d}.clips.wav")
    run(common + ["--wav", wav])
    return wav, [" ".join(p) for p in phrases if p]


def speak_whole(texts, folder, tag):
    """Festival speaks each text whole, in one run; returns the wave files."""
    script, outputs = [f"({VOICE})"], []
    for key, text in texts:
        path = os.path.join(folder, f"{key}.{tag}.wav")
        script.append(f"(utt.save.wave (SynthText {vocabulary.scheme_string(text + '.')}) "
                      f"{vocabulary.scheme_string(path)} 'riff)")
        outputs.append(path)
    scm = os.path.join(folder, f"{tag}.scm")
    with open(scm, "w", encoding="utf-8") as f:
        f.write("\n".join(script) + "\n")
    run(["festival", "-b", scm])
    return outputs


# --- recognition -------------------------------------------------------------

def to_decoder_input(src, dst, pad_seconds=0.0):
    # -R: the same dither on every run; the decoder's result moves with it.
    command = ["sox", "-R", src, "-r", str(DECODE_RATE), "-b", "16", "-c", "1", "-e", "signed-integer",
               "-t", "wav", dst]
    if pad_seconds:
        command += ["pad", str(pad_seconds), str(pad_seconds)]
    run(command)


def write_grammars(texts, folder):
    """Two JSGF grammars over the vocabulary, and a dictionary of just its words.

    The loop takes any sequence of the words, for whole bulletins. The choice
    takes exactly one clip's text, for a clip heard alone: the question there
    is which clip a listener would take it for. In the loop the decoder tends
    to split a lone word into short ones ("forty" as "four two"), even when the
    voice itself says it."""
    words = sorted({w for text in texts.values() for w in tokens(text)})
    pronunciations = []
    with open(os.path.join(MODEL_DIR, "cmudict-en-us.dict"), encoding="utf-8") as f:
        for line in f:
            head = line.split(" ", 1)[0]
            if re.sub(r"\(\d+\)$", "", head) in words:
                pronunciations.append(line)
    pronunciations += [f"{w} {p}\n" for w, p in EXTRA_PRONUNCIATIONS.items() if w in words]
    dictionary = os.path.join(folder, "vocabulary.dict")
    with open(dictionary, "w", encoding="utf-8") as f:
        f.writelines(pronunciations)
    clips = sorted({" ".join(tokens(text)) for text in texts.values()})
    grammars = []
    for name, rule in (("loop", "( " + " | ".join(words) + " )*"),
                       ("choice", "( " + " | ".join(clips) + " )")):
        path = os.path.join(folder, f"vocabulary-{name}.gram")
        with open(path, "w", encoding="utf-8") as f:
            f.write(f"#JSGF V1.0;\ngrammar {name};\npublic <utterance> = {rule};\n")
        grammars.append((path, dictionary))
    return grammars


def decode(wavs, folder, mode, grammar=None):
    """Hypothesis words for each 16 kHz wave file, in one decoder run."""
    ids = [os.path.splitext(os.path.relpath(w, folder))[0] for w in wavs]
    ctl = os.path.join(folder, f"{mode}.ctl")
    hyp = os.path.join(folder, f"{mode}.hyp")
    with open(ctl, "w", encoding="utf-8") as f:
        f.write("\n".join(ids) + "\n")
    # Cepstral mean per file: with the default running mean, one file's
    # result would depend on the files decoded before it.
    command = ["pocketsphinx_batch", "-hmm", os.path.join(MODEL_DIR, "en-us"), "-ctl", ctl,
               "-cmn", "batch",
               "-cepdir", folder, "-cepext", ".wav", "-adcin", "yes", "-adchdr", "44", "-hyp", hyp]
    if grammar:
        command += ["-jsgf", grammar[0], "-dict", grammar[1]]
    else:
        command += ["-lm", os.path.join(MODEL_DIR, "en-us.lm.bin"),
                    "-dict", os.path.join(MODEL_DIR, "cmudict-en-us.dict")]
    run(command)
    heard = {}
    with open(hyp, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"(.*) \((\S+) [-\d]+\)$", line.rstrip("\n"))
            if m:
                heard[m.group(2)] = tokens(re.sub(r"\(\d+\)", "", m.group(1)))
    return [heard.get(i, heard.get(os.path.basename(i), [])) for i in ids]


def edit_distance(ref, hyp):
    row = list(range(len(hyp) + 1))
    for i, r in enumerate(ref, 1):
        prev, row[0] = row[0], i
        for j, h in enumerate(hyp, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (r != h))
    return row[-1]


def word_error(refs, hyps):
    errors = sum(edit_distance(r, h) for r, h in zip(refs, hyps))
    return 100.0 * errors / sum(len(r) for r in refs)


# --- levels ------------------------------------------------------------------

def levels(path):
    """(loudness dBFS, peak dBFS, DC offset LSB) of one clip."""
    rate, pcm = vocabulary.read_clip(path)
    loudness = vocabulary.loudness_db([x / 32768 for x in pcm], rate)
    peak = 20 * math.log10(max(abs(x) for x in pcm) / 32768)
    return loudness, peak, abs(sum(pcm) / len(pcm))


# --- main --------------------------------------------------------------------

def find_cli(build):
    for root, _, files in os.walk(build):
        if "skycrier-cli" in files:
            path = os.path.join(root, "skycrier-cli")
            if os.access(path, os.X_OK):
                return path
    fail(f"no skycrier-cli under {build}: build it first")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(REPO, "build"), help="the build folder")
    parser.add_argument("--clips", metavar="DIR",
                        help="measure the clips in DIR instead of the built-in ones")
    parser.add_argument("--keep", metavar="DIR", help="leave the rendered audio in DIR")
    parser.add_argument("--worst", type=int, default=25, help="how many weak clips to list")
    args = parser.parse_args()
    for tool in ("festival", "sox", "pocketsphinx_batch"):
        if not shutil.which(tool):
            fail(f"{tool} not found: apt-get install pocketsphinx pocketsphinx-en-us festival "
                 "festvox-us-slt-hts sox")
    cli = find_cli(args.build)
    texts = read_words()
    clip_folder = os.path.abspath(args.clips or CLIP_DIR)

    work = args.keep or tempfile.mkdtemp(prefix="skycrier-intelligibility-")
    os.makedirs(work, exist_ok=True)
    try:
        rendered = [render(cli, args.clips, b, work, i, texts) for i, b in enumerate(BULLETINS)]
        sentences = [phrases for _, phrases in rendered]
        refs = [tokens(" ".join(p)) for p in sentences]
        spoken = speak_whole([(f"b{i:02d}", ". ".join(p)) for i, p in enumerate(sentences)], work,
                             "whole")
        clip_wavs, whole_wavs = [], []
        for i, ((wav, _), whole) in enumerate(zip(rendered, spoken)):
            clip_wavs.append(os.path.join(work, f"b{i:02d}.clips16.wav"))
            whole_wavs.append(os.path.join(work, f"b{i:02d}.whole16.wav"))
            to_decoder_input(wav, clip_wavs[-1])
            to_decoder_input(whole, whole_wavs[-1])
        loop, choice = write_grammars(texts, work)
        # One decoder run per kind of audio: the decoder's noise estimate
        # carries over between files, so mixing them would tie the figures
        # for the whole sentences to the clips'.
        general = (decode(clip_wavs, work, "general-clips")
                   + decode(whole_wavs, work, "general-whole"))
        restricted = (decode(clip_wavs, work, "grammar-clips", loop)
                      + decode(whole_wavs, work, "grammar-whole", loop))
        count = len(BULLETINS)
        print(f"{count} bulletins, {sum(map(len, refs))} words\n")
        print("word error rate     general en-us   vocabulary grammar")
        print(f"  clips             {word_error(refs, general[:count]):10.1f} %   "
              f"{word_error(refs, restricted[:count]):10.1f} %")
        print(f"  whole sentences   {word_error(refs, general[count:]):10.1f} %   "
              f"{word_error(refs, restricted[count:]):10.1f} %")
        print("\nclip bulletins, worst first (grammar):")
        worst = sorted(range(count), key=lambda i: -edit_distance(refs[i], restricted[i]))
        for i in worst[:5]:
            print(f"  b{i:02d} said:  {' '.join(refs[i])}\n      heard: {' '.join(restricted[i])}")

        # Every clip alone, and for reference the voice saying the clip's
        # text on its own, each decoded with both vocabulary grammars.
        names = sorted(texts)
        clip_dir, voice_dir = os.path.join(work, "clips"), os.path.join(work, "voice")
        os.makedirs(clip_dir, exist_ok=True)
        os.makedirs(voice_dir, exist_ok=True)
        voice_raw = speak_whole([(n, texts[n]) for n in names], voice_dir, "raw")
        alone = {"clips": [], "voice": []}
        for name, raw in zip(names, voice_raw):
            alone["clips"].append(os.path.join(clip_dir, name + ".wav"))
            alone["voice"].append(os.path.join(voice_dir, name + ".wav"))
            to_decoder_input(os.path.join(clip_folder, name.lower() + ".wav"), alone["clips"][-1],
                             pad_seconds=0.3)
            to_decoder_input(raw, alone["voice"][-1], pad_seconds=0.3)
        numbers = {f"SON{n}" for n in range(101)}
        missed = {}
        print(f"\n{'each heard alone as itself':27s}{'the clips':27s}the voice alone")
        for label, grammar in (("one of the clips", choice), ("any sequence of words", loop)):
            row = []
            for kind in ("clips", "voice"):
                heard = decode(alone[kind], work, f"alone-{kind}-{label.split()[0]}", grammar)
                miss = [(n, h) for n, h in zip(names, heard) if h != tokens(texts[n])]
                missed[(label, kind)] = miss
                row.append(f"{len(names) - len(miss):3d} of {len(names)} "
                           f"(0..100: {101 - sum(n in numbers for n, _ in miss):3d})")
            print(f"  {label:24s} {row[0]}   {row[1]}")
        for label in ("one of the clips", "any sequence of words"):
            miss = missed[(label, "clips")]
            if miss:
                print(f"\nclips missed, {label}:")
            for name, h in miss[:args.worst]:
                print(f"  {name:22s} {texts[name]!r:28s} heard {' '.join(h) or '(nothing)'!r}")

        figures = {n: levels(os.path.join(clip_folder, n.lower() + ".wav")) for n in names}
        quiet = min(figures, key=lambda n: figures[n][0])
        loud = max(figures, key=lambda n: figures[n][0])
        peak = max(figures, key=lambda n: figures[n][1])
        dc = max(figures, key=lambda n: figures[n][2])
        print("\nclip levels (20 ms frames above -40 dBFS):")
        print(f"  loudness spread   {figures[loud][0] - figures[quiet][0]:5.2f} dB "
              f"({quiet} {figures[quiet][0]:.2f} .. {loud} {figures[loud][0]:.2f} dBFS)")
        print(f"  highest peak      {figures[peak][1]:5.2f} dBFS ({peak})")
        print(f"  worst DC offset   {figures[dc][2]:5.2f} LSB ({dc})")
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
