"""A small APRS weather parser written from the public APRS 1.0.1 format.

A weather report is a WXNOW.TXT line ("ddd/sss" first), or a position report with the weather symbol "_"
followed by "ddd/sss" (direction/speed), or a positionless report "_MDHM"
(month, day, hour, minute) followed by "cddd" and "sss". Then come fields of
a letter and a fixed number of characters; a field of dots or blanks means
the station has no value for it, and only for it.
"""

import re

WIDTHS = {"c": 3, "s": 3, "g": 3, "t": 3, "r": 3, "p": 3, "P": 3, "h": 2, "b": 5, "L": 3, "l": 3, "#": 3}


def number(text):
    return int(text) if re.fullmatch(r"-?\d+", text) else None


def parse(line):
    """Values as reported (mph, F, 1/100 in, %, 1/10 hPa); a missing one is None."""
    values = {}
    body = line.split(":", 1)[1] if ":" in line and ">" in line.split(":", 1)[0] else line
    positionless = re.match(r"_(\d{8})", body)
    if positionless:
        rest = body[positionless.end():]
    else:
        # A WXNOW.TXT line starts with the direction/speed group itself.
        at = -1 if re.match(r"[\d. ]{3}/", body) else body.find("_")
        rest = body[at + 1:]
        if len(rest) >= 7 and rest[3] == "/":
            values["c"], values["s"] = number(rest[0:3]), number(rest[4:7])
            rest = rest[7:]
    while rest and rest[0] in WIDTHS:
        letter, width = rest[0], WIDTHS[rest[0]]
        values.setdefault(letter, number(rest[1:1 + width]))
        rest = rest[1 + width:]
    if values.get("h") == 0:
        values["h"] = 100
    return values
