#!/usr/bin/env python3
"""Cross-checks what `skycrier-cli metar` and `skycrier-cli aprs` read from
reports against independent decoders (Perl's Geo::METAR, node's
metar-taf-parser, and a small APRS parser written from the public format),
and the felt temperature against the published wind-chill formulas.

Run by hand; see the README next to this file.
"""

import argparse
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

import aprs_reference
import reports

HERE = os.path.dirname(os.path.abspath(__file__))
KMH_PER_KT = 1.852
KMH_PER_MPH = 1.609344
HPA_PER_INHG = 33.8639
AT = "2026-03-15 12:00:00"

# (label, cli options, temperature unit, wind unit, pressure unit, rain unit)
UNITS = [
    ("C+km/h", ["--temp", "C", "--wind", "kmh", "--pressure", "hPa", "--rain", "mm"], "C", "kmh", "hPa", "mm"),
    ("C+mph", ["--temp", "C", "--wind", "mph", "--pressure", "hPa", "--rain", "mm"], "C", "mph", "hPa", "mm"),
    ("F+mph", ["--temp", "F", "--wind", "mph", "--pressure", "inHg", "--rain", "inch"], "F", "mph", "inHg", "inch"),
]

# Half of the last digit the program shows for each value: two values agree
# when they would be shown alike, give or take that rounding.
TOLERANCE = {"temp": 0.05, "dew": 0.05, "felt": 0.05, "wind": 0.5, "gust": 0.5, "dir": 0,
             "humidity": 0, "hPa": 0.05, "inHg": 0.005, "mm": 0.05, "inch": 0.005, "weather": 0}


# A value the reference decoder cannot read at all: not compared.
UNREAD = object()


# ---------------------------------------------------------------- formulas

def felt_expected(celsius, kmh, temp_unit):
    """Felt temperature from the published formulas, each in its own units,
    never above the air; None where the program gives none (wind under
    5 km/h or no temperature)."""
    if celsius is None or kmh is None or kmh < 5:
        return None
    if temp_unit == "C":
        felt = 13.12 + 0.6215 * celsius + (0.3965 * celsius - 11.37) * kmh ** 0.16
        return min(felt, celsius)
    fahrenheit, mph = celsius * 1.8 + 32, kmh / KMH_PER_MPH
    felt = 35.74 + 0.6215 * fahrenheit + (0.4275 * fahrenheit - 35.75) * mph ** 0.16
    return min(felt, fahrenheit)


def magnus_humidity(t, td):
    if t is None or td is None:
        return None
    rh = 100 * math.exp(17.625 * td / (243.04 + td)) / math.exp(17.625 * t / (243.04 + t))
    return min(round(rh), 99)


def magnus_dew_point(t, rh):
    if t is None or rh is None or rh <= 0:
        return None
    g = math.log(rh / 100) + 17.625 * t / (243.04 + t)
    return 243.04 * g / (17.625 - g)


def temp_in(celsius, unit):
    return None if celsius is None else (celsius if unit == "C" else celsius * 1.8 + 32)


def wind_in(kmh, unit):
    return kmh if kmh in (None, UNREAD) else (kmh if unit == "kmh" else kmh / KMH_PER_MPH)


def pressure_in(hpa, unit):
    return None if hpa is None else (hpa if unit == "hPa" else hpa / HPA_PER_INHG)


# ---------------------------------------------------------- what is spoken

CATEGORY_BITS = {"RA": 4, "SN": 8, "GR": 16, "BR": 32, "FG": 64}


def spoken_weather(bits):
    """The program's weather bits as the one phenomenon it speaks."""
    names = [name for name, bit in CATEGORY_BITS.items() if bits & bit]
    if not names:
        return "none"
    intensity = "light " if bits & 1 else "heavy " if bits & 2 else ""
    return intensity + names[-1]


def reference_weather(groups):
    """(intensity, phenomena) of the first present-weather group at the
    station (not in the vicinity) with a phenomenon the program speaks."""
    for intensity, descriptive, phenomena in groups:
        if intensity == "VC" or descriptive == "VC":
            continue
        spoken = [p for p in phenomena if p in CATEGORY_BITS]
        if spoken:
            word = {"-": "light ", "+": "heavy "}.get(intensity, "")
            return {word + p for p in spoken}
    return {"none"}


def geo_weather_groups(raw):
    out = []
    for token in raw:
        intensity = token[0] if token[:1] in "-+" else ""
        rest = token[len(intensity):]
        vc = rest.startswith("VC")
        rest = rest[2:] if vc else rest
        pairs = [rest[i:i + 2] for i in range(0, len(rest), 2)]
        out.append(("VC" if vc else intensity, "", pairs))
    return out


# ------------------------------------------------------------ the decoders

def run_lines(cmd, lines, cwd=None):
    result = subprocess.run(cmd, input="\n".join(lines) + "\n", capture_output=True, text=True, cwd=cwd)
    if result.returncode != 0:
        sys.exit("%s failed: %s\nInstall the reference decoders as the README beside this script says."
                 % (" ".join(cmd), result.stderr.strip()[:400]))
    return [json.loads(line) for line in result.stdout.splitlines() if line.strip()]


def reference_metar_values(ref, name):
    """Normalise one reference decoder's output to C, km/h, hPa."""
    if name == "Geo::METAR":
        kmh = None if "wind_kt" not in ref else ref["wind_kt"] * KMH_PER_KT
        gust = None if "gust_kt" not in ref else ref["gust_kt"] * KMH_PER_KT
        weather = geo_weather_groups(ref.get("weather", []))
    else:
        factor = {"KT": KMH_PER_KT, "MPS": 3.6, "KM/H": 1.0, "KMH": 1.0}.get(ref.get("wind_unit"), None)
        kmh = None if factor is None or "wind" not in ref else ref["wind"] * factor
        gust = None if factor is None or "gust" not in ref else ref["gust"] * factor
        weather = [(w["intensity"], w["descriptive"], w["phenomenons"]) for w in ref.get("weather", [])]
    direction = ref.get("dir")
    if ref.get("wind_kmh"):
        kmh = gust = direction = UNREAD
    return {"station": ref.get("station"), "date": report_date(ref), "temp": ref.get("temp"), "dew": ref.get("dew"), "kmh": kmh, "gust": gust,
            "dir": 999 if direction == "VRB" else direction, "hpa": ref.get("hpa"), "weather": weather}


def report_date(ref):
    """The UT date of a report read on AT: a day later than today's is last month's."""
    if ref.get("day") is None:
        return None
    year, month, today = int(AT[0:4]), int(AT[5:7]), int(AT[8:10])
    if ref["day"] > today:
        year, month = (year - 1, 12) if month == 1 else (year, month - 1)
    return "%04d-%02d-%02d  %02d:%02d:00" % (year, month, ref["day"], ref["hour"], ref["minute"])


def caption_number(caption):
    tail = caption.rsplit("=", 1)[-1].strip()
    try:
        return float(tail)
    except ValueError:
        return None


def program_values(out):
    """What the program gives, in its speech units; None for no value."""
    data, controls = out["MeteoData"], out["controls"]
    return {
        "station": controls.get("LabelICAO", {}).get("caption", "=").split("=", 1)[1].strip() or None,
        "date": controls.get("Editdatemeteo", {}).get("caption") or None,
        "temp": None if data["Text"] == -200 else data["Text"],
        "dew": caption_number(controls["LabelTros"]["caption"]),
        "humidity": None if data["HumiExt"] in (-1, 255) else data["HumiExt"],
        "wind": None if data["Vent"] < 0 else data["Vent"],
        "gust": None if "--" in controls["CheckBoxRafa"]["caption"] else data["Rafa"],
        "dir": None if data["Dire"] == -1 else data["Dire"],
        "pressure": None if "--" in controls["CheckBoxPatm"]["caption"] else data["Patm"],
        "felt": None if data["TRes"] == -200 else data["TRes"],
        "rain": None if data["Pluie"] < 0 else data["Pluie"],
        "weather": spoken_weather(data.get("Phenomena", 0)),
    }


class Cli:
    def __init__(self, binary, workers):
        self.binary = binary
        self.workers = workers
        self.root = tempfile.mkdtemp(prefix="crosscheck-")

    def close(self):
        shutil.rmtree(self.root, ignore_errors=True)

    def decode_all(self, command, texts, options):
        def one(args):
            index, text = args
            folder = os.path.join(self.root, "w%d" % index)
            os.makedirs(folder, exist_ok=True)
            path = os.path.join(folder, "report.txt")
            with open(path, "w") as f:
                f.write(text)
            result = subprocess.run([self.binary, command, path, "--folder", folder, "--at", AT] + options,
                                    capture_output=True, text=True)
            try:
                return json.loads(result.stdout)
            except ValueError:
                return {"error": result.stderr.strip() or "no output (status %d)" % result.returncode}
        with ThreadPoolExecutor(self.workers) as pool:
            return list(pool.map(one, enumerate(texts)))


# ------------------------------------------------------------- comparison

class Tally:
    def __init__(self, shown):
        self.rows = {}
        self.shown = shown

    def compare(self, decoder, field, report, expected, actual, tolerance):
        """Counts one comparison; both missing counts as agreeing."""
        row = self.rows.setdefault((decoder, field), [0, 0, [], 0.0, 0])
        if expected is UNREAD:
            return
        row[0] += 1
        row[4] += expected not in (None, {"none"})
        if expected is None or actual is None or isinstance(expected, (set, str)):
            ok = expected == actual or (isinstance(expected, set) and actual in expected)
        else:
            row[3] = max(row[3], abs(expected - actual))
            ok = abs(expected - actual) <= tolerance + 1e-9
        if ok:
            row[1] += 1
        elif len(row[2]) < self.shown:
            row[2].append((report, expected, actual))

    def print(self):
        print("\n(valued: compared reports where the reference has a value; max diff: largest"
              " difference between two values)")
        print("%-28s %-12s %8s %8s %8s %8s %9s"
              % ("decoder / units", "field", "compared", "valued", "agree", "disagree", "max diff"))
        for (decoder, field), (count, agree, _, worst, valued) in sorted(self.rows.items()):
            print("%-28s %-12s %8d %8d %8d %8d %9.3g" % (decoder, field, count, valued, agree, count - agree, worst))
        for (decoder, field), (count, agree, examples, _, _) in sorted(self.rows.items()):
            for report, expected, actual in examples:
                print("\n  %s / %s\n    report:   %s\n    expected: %s\n    program:  %s"
                      % (decoder, field, report.strip().replace("\n", " | "), fmt(expected), fmt(actual)))


def fmt(value):
    if isinstance(value, float):
        return "%.4f" % value
    if isinstance(value, set):
        return " or ".join(sorted(value))
    return str(value)


def check_metar(cli, texts, tally):
    refs = {
        "Geo::METAR": run_lines(["perl", os.path.join(HERE, "geo_metar.pl")], texts),
        "metar-taf-parser": run_lines(["node", os.path.join(HERE, "metar_taf.mjs")], texts, cwd=HERE),
    }
    for label, options, tu, wu, pu, _ in UNITS:
        outs = cli.decode_all("metar", [t + "\n" for t in texts], options)
        for name, decoded in refs.items():
            decoder = "%s %s" % (name, label)
            for text, out, raw in zip(texts, outs, decoded):
                if "error" in out:
                    tally.compare(decoder, "decoded", text, "JSON", out["error"], 0)
                    continue
                got, ref = program_values(out), reference_metar_values(raw, name)
                compare_common(tally, decoder, text, got, ref["temp"], ref["dew"], magnus_humidity(ref["temp"], ref["dew"]),
                               ref["kmh"], ref["gust"], ref["dir"], ref["hpa"], tu, wu, pu)
                tally.compare(decoder, "station", text, ref["station"], got["station"], 0)
                tally.compare(decoder, "UT date", text, ref["date"], got["date"], 0)
                tally.compare(decoder, "weather", text, reference_weather(ref["weather"]), got["weather"], 0)


def compare_common(tally, decoder, text, got, t, dew, rh, kmh, gust, direction, hpa, tu, wu, pu):
    tally.compare(decoder, "temperature", text, temp_in(t, tu), got["temp"], TOLERANCE["temp"])
    tally.compare(decoder, "dew point", text, temp_in(dew, tu) if t is not None else None, got["dew"], TOLERANCE["dew"])
    tally.compare(decoder, "humidity", text, rh, got["humidity"], TOLERANCE["humidity"])
    tally.compare(decoder, "wind", text, wind_in(kmh, wu), got["wind"], TOLERANCE["wind"])
    tally.compare(decoder, "gust", text, wind_in(gust, wu), got["gust"], TOLERANCE["gust"])
    tally.compare(decoder, "direction", text, direction, got["dir"], TOLERANCE["dir"])
    tally.compare(decoder, "pressure", text, pressure_in(hpa, pu), got["pressure"], TOLERANCE[pu])
    felt = UNREAD if kmh is UNREAD else felt_expected(t, kmh, tu)
    tally.compare(decoder, "felt", text, felt, got["felt"], TOLERANCE["felt"])


def check_aprs(cli, entries, tally):
    for label, options, tu, wu, pu, ru in UNITS:
        outs = cli.decode_all("aprs", [text for text, _ in entries], options)
        decoder = "APRS101 parser %s" % label
        for (text, line), out in zip(entries, outs):
            if "error" in out:
                tally.compare(decoder, "decoded", text, "JSON", out["error"], 0)
                continue
            got, ref = program_values(out), aprs_reference.parse(line)
            t = None if ref.get("t") is None else (ref["t"] - 32) * 5 / 9
            mph = lambda key: None if ref.get(key) is None else ref[key] * KMH_PER_MPH
            hpa = None if ref.get("b") is None else ref["b"] / 10
            compare_common(tally, decoder, text, got, t, magnus_dew_point(t, ref.get("h")), ref.get("h"),
                           mph("s"), mph("g"), ref.get("c"), hpa, tu, wu, pu)
            rain = None if ref.get("p") is None else ref["p"] / 100 * (25.4 if ru == "mm" else 1)
            tally.compare(decoder, "rain 24h", text, rain, got["rain"], TOLERANCE[ru])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", default=os.path.join(HERE, "..", "..", "build", "skycrier-cli"))
    parser.add_argument("--metar", type=int, default=2000, help="generated METAR reports")
    parser.add_argument("--aprs", type=int, default=1000, help="generated APRS weather lines")
    parser.add_argument("--seed", type=int, default=20)
    parser.add_argument("--file", help="also check the METAR reports in this file, one a line")
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--show", type=int, default=3, help="disagreements shown in full per row")
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit("no program at %s: build it first, or give its path with --cli" % args.cli)
    texts = reports.metar_reports(args.metar, args.seed)
    if args.file:
        with open(args.file) as f:
            texts += [line.strip() for line in f if line.strip()]
    tally = Tally(args.show)
    cli = Cli(os.path.abspath(args.cli), args.workers)
    try:
        check_metar(cli, texts, tally)
        check_aprs(cli, reports.aprs_lines(args.aprs, args.seed), tally)
    finally:
        cli.close()
    print("%d METAR reports, %d APRS lines, seed %d, units %s"
          % (len(texts), args.aprs, args.seed, ", ".join(u[0] for u in UNITS)))
    print("Tolerance: half the last digit shown (temperature, dew point, felt 0.05; wind, gust 0.5;"
          " hPa 0.05; inHg 0.005; mm 0.05; inch 0.005); direction, humidity and weather exact.")
    print("Felt temperature expected: Environment Canada (C, km/h) or NWS (F, mph), wind converted first,"
          " never above the air; none under 5 km/h or without a temperature.")
    print("Wind groups in KMH are not compared: Geo::METAR does not read them and metar-taf-parser"
          " takes them for knots (it knows only KM/H).")
    tally.print()


if __name__ == "__main__":
    main()
