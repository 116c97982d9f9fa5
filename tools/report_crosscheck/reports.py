"""Seeded generators of realistic METAR reports and APRS weather lines."""

import random

STATIONS_Q = ["EDDF", "LFPG", "EGLL", "LEMD", "EHAM", "UUEE", "ENGM", "LOWW", "EPWA", "ESSA"]
STATIONS_A = ["KJFK", "KORD", "KDEN", "CYYZ", "PANC", "KBOS", "CYUL", "KMSP"]

# Present weather groups as they appear in real reports; a few are in the
# vicinity or carry no spoken phenomenon on purpose.
WEATHER = ["-RA", "RA", "+RA", "-SHRA", "SHRA", "+SHRA", "TSRA", "+TSRA", "-FZRA",
           "-SN", "SN", "+SN", "-SHSN", "SHSN", "BR", "FG", "BCFG", "MIFG", "FZFG",
           "GR", "+TSGR", "-DZ", "DZ", "HZ", "-RASN", "VCSH", "VCFG", "-SHRASN"]
RECENT = ["RERA", "RESHRA", "RESN", "RETSRA", "REFZRA", "RESHSN"]
TRENDS = ["NOSIG", "TEMPO 4000 -RA", "BECMG 3000 BR", "TEMPO 2000 +SHSN",
          "BECMG FM1300 9999 NSW", "TEMPO 0800 FG", "TEMPO 5000 TSRA BKN015CB"]
REMARKS = ["RMK AO2", "RMK AO2 SLP132 T01170083", "RMK AO1 PRESRR", "RMK FG", "RMK -RA"]


def signed_temp(t):
    return ("M%02d" % -t) if t < 0 else "%02d" % t


def metar_reports(count, seed):
    rng = random.Random(seed)
    return [one_metar(rng) for _ in range(count)]


def one_metar(rng):
    altimeter = rng.random() < 0.4
    groups = []
    kind = rng.random()
    if kind < 0.25:
        groups.append("METAR")
    elif kind < 0.30:
        groups.append("SPECI")
    if groups and rng.random() < 0.1:
        groups.append("COR")
    groups.append(rng.choice(STATIONS_A if altimeter else STATIONS_Q))
    groups.append("%02d%02d%02dZ" % (rng.randint(1, 28), rng.randint(0, 23), rng.choice([0, 20, 30, 50, 51])))
    if rng.random() < 0.1:
        groups.append("AUTO")
    groups.extend(wind_groups(rng, altimeter))
    groups.append(rng.choice(["10SM", "7SM", "3SM", "1/2SM"]) if altimeter else rng.choice(["9999", "4000", "0800", "CAVOK"]))
    if groups[-1] != "CAVOK":
        for _ in range(rng.choice([0, 0, 0, 1, 1, 2])):
            groups.append(rng.choice(WEATHER))
        groups.append(rng.choice(["FEW020", "SCT035 BKN100", "OVC008", "BKN012", "NSC" if not altimeter else "CLR"]))
    t = rng.randint(-40, 40)
    if rng.random() < 0.97:
        dew = max(-45, t - rng.choice([0, 0, 1, 2, 3, 5, 8, 12, 20]))
        groups.append("%s/%s" % (signed_temp(t), signed_temp(dew)))
    groups.append("A%04d" % rng.randint(2850, 3090) if altimeter else "Q%04d" % rng.randint(960, 1045))
    if rng.random() < 0.15:
        groups.append(rng.choice(RECENT))
    if rng.random() < 0.3:
        groups.append(rng.choice(TRENDS))
    if rng.random() < (0.5 if altimeter else 0.1):
        groups.append(rng.choice(REMARKS))
    return " ".join(groups)


def wind_groups(rng, altimeter):
    unit = "KT" if altimeter else rng.choice(["KT", "KT", "KT", "MPS", "MPS", "KMH"])
    top = {"KT": 45, "MPS": 22, "KMH": 80}[unit]
    roll = rng.random()
    if roll < 0.08:
        return ["00000" + unit]
    speed = rng.randint(1, top)
    direction = "VRB" if roll < 0.18 else "%03d" % (rng.randint(1, 36) * 10)
    gust = ""
    if rng.random() < 0.25:
        gust = "G%02d" % (speed + rng.randint(5, 15))
    groups = ["%s%02d%s%s" % (direction, speed, gust, unit)]
    if direction != "VRB" and rng.random() < 0.1:
        d = int(direction)
        groups.append("%03dV%03d" % ((d - 40) % 360 or 360, (d + 40) % 360 or 360))
    return groups


def aprs_lines(count, seed):
    """Each entry is (file text, line) in the units APRS reports use (mph, F, 1/100 in)."""
    rng = random.Random(seed)
    return [one_aprs(rng) for _ in range(count)]


def field(rng, width, value, signed=False):
    if rng.random() < 0.08:
        return "." * width
    if signed and value < 0:
        return "-%0*d" % (width - 1, -value)
    return "%0*d" % (width, value)


def one_aprs(rng):
    direction = rng.randint(0, 360)
    speed = rng.randint(0, 40)
    gust = speed + rng.randint(0, 15)
    temp_f = rng.randint(-40, 104)
    rains = [rng.choice([0, 0, 0, rng.randint(1, 250)]) for _ in range(3)]
    humidity = rng.randint(5, 100)
    pressure = rng.randint(9600, 10450)
    tail = "g%st%sr%sp%sP%sh%sb%s" % (
        field(rng, 3, gust), field(rng, 3, temp_f, signed=True), field(rng, 3, rains[0]),
        field(rng, 3, rains[1]), field(rng, 3, rains[2]), field(rng, 2, humidity % 100), field(rng, 5, pressure))
    form = rng.random()
    if form < 0.4:
        line = "%s/%s%s" % (field(rng, 3, direction), field(rng, 3, speed), tail)
        stamp = "%s %02d %d %02d:%02d" % (rng.choice(["Jan", "Apr", "Jul", "Oct"]), rng.randint(1, 28),
                                          2024, rng.randint(0, 23), rng.randint(0, 59))
        return stamp + "\n" + line + "\n", line
    if form < 0.7:
        line = "_%02d%02d%02d%02dc%ss%s%s" % (rng.randint(1, 12), rng.randint(1, 28), rng.randint(0, 23),
                                             rng.randint(0, 59), field(rng, 3, direction), field(rng, 3, speed), tail)
        return line + "wRSW\n", line + "wRSW"
    line = "DL1ABC-13>APRS,TCPIP*,qAC,T2EU:@%02d%02d%02dz4903.50N/00720.75E_%s/%s%s" % (
        rng.randint(1, 28), rng.randint(0, 23), rng.randint(0, 59),
        field(rng, 3, direction), field(rng, 3, speed), tail)
    return line + "\n", line
