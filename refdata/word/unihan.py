"""Pieces shared by the generators of the naming tables: reading the
committed TSV files, reading Unihan (Debian package unicode-data) and
splitting a Mandarin syllable into initial, final and tone.

Not a generator itself; make_word.py, make_readings.py,
make_element_fallbacks.py and ../mz/make_mz.py import it.
"""
import bz2
import os
import unicodedata

UNIHAN = "/usr/share/unicode"

# The consonant initials of Mandarin, the two-letter ones first so that
# "zh" is not read as "z". A syllable with none of them (a, o, e, er and the
# spellings with y and w) has no initial, written NO_INITIAL.
INITIALS = ("zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q",
            "x", "r", "z", "c", "s")
NO_INITIAL = "-"

# Tone marks in decomposed form; a syllable without one has the neutral tone.
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}
NEUTRAL_TONE = 5

# Syllables that are a nasal on their own (interjections such as 呣 嗯 哼):
# no initial, the whole syllable is the final.
SYLLABIC = {"m", "n", "ng", "hm", "hng", "ê"}


def read_tsv(path):
    """Rows of a committed TSV file as dicts keyed by its header; lines
    starting with # are comments."""
    rows = []
    header = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n").rstrip("\r")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
            else:
                rows.append(dict(zip(header, cells)))
    return rows


def load_unihan(fields, files):
    """{field: {character: value}} for the wanted fields of the named Unihan
    files (without the .txt.bz2 ending)."""
    data = {k: {} for k in fields}
    for name in files:
        with bz2.open(os.path.join(UNIHAN, name + ".txt.bz2"), "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                cp, key, value = line.rstrip("\n").split("\t", 2)
                if key in data:
                    data[key][chr(int(cp[2:], 16))] = value
    return data


def code_points(value):
    """The characters of a Unihan variant field ("U+4E7E U+5E72")."""
    return [chr(int(x[2:], 16)) for x in value.split()]


def radical_of(u, c):
    """The Kangxi radical number of c: kRSKangXi, else kRSUnicode."""
    value = u["kRSKangXi"].get(c) or u["kRSUnicode"].get(c)
    if not value:
        return None
    return int(value.split()[0].split(".")[0].replace("'", ""))


def mandarin(u, c):
    """The customary Mandarin reading of c with tone marks (the first value
    of kMandarin, the one for simplified Chinese), looking through a
    compatibility ideograph to its unified form; None without a reading."""
    for key in (c, unicodedata.normalize("NFC", c)):
        value = u["kMandarin"].get(key)
        if value:
            return value.split()[0]
    return None


def split_syllable(marked):
    """(numbered, initial, final, tone) of a syllable with tone marks.

    numbered is the toneless spelling with ü written v and the tone as a
    digit (hua2, lv4, ma5). The final is the sound after the initial, spelled
    as after a consonant: the y and w spellings are undone (yi -> i,
    you -> iu, wei -> ui, yu -> ü) and u after j, q, x is ü."""
    tone = NEUTRAL_TONE
    kept = []
    for ch in unicodedata.normalize("NFD", marked.lower()):
        if ch in TONE_MARKS:
            tone = TONE_MARKS[ch]
        else:
            kept.append(ch)
    base = unicodedata.normalize("NFC", "".join(kept))
    numbered = base.replace("ü", "v") + str(tone)
    if base in SYLLABIC:
        return numbered, NO_INITIAL, base, tone
    initial = next((i for i in INITIALS if base.startswith(i)), NO_INITIAL)
    if initial == NO_INITIAL:
        final = zero_initial_final(base)
    else:
        final = base[len(initial):]
        if initial in ("j", "q", "x") and final.startswith("u"):
            final = "ü" + final[1:]
    return numbered, initial, final, tone


def zero_initial_final(base):
    if base.startswith("yu"):
        return "ü" + base[2:]
    if base == "you":
        return "iu"
    if base.startswith("yi"):
        return base[1:]
    if base.startswith("y"):
        return "i" + base[1:]
    if base.startswith("wu"):
        return base[1:]
    if base in ("wei", "wen"):
        return {"wei": "ui", "wen": "un"}[base]
    if base.startswith("w"):
        return "u" + base[1:]
    return base
