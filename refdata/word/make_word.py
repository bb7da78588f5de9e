#!/usr/bin/env python3
"""Writes word.tsv, the character dictionary of the naming tables.

Rerun (needs the Debian package unicode-data):
    python3 refdata/word/make_word.py > /dev/null   # writes refdata/word/word.tsv

Inputs: the Unihan files of unicode-data (/usr/share/unicode/Unihan_*.txt.bz2),
kangxi-radicals.tsv and ft-overrides.tsv beside this script, and
../char-elements.tsv. Output columns:

  zi      the character (every CJK ideograph that GBK encodes, plus every
          character of char-elements.tsv)
  bh      numerology strokes: the Kangxi count of the traditional form, i.e.
          the full stroke count of its Kangxi radical plus the residual
          strokes of kRSKangXi; the numerals 一..十 count 1..10, 百 6, 千 3,
          万 15; without kRSKangXi, kTotalStrokes of the traditional form
  ft      the traditional form (ft-overrides.tsv first, then kTraditionalVariant)
  wuhang  the element: char-elements.tsv, else the radical, else the
          Mandarin initial
  tgh     index in the 2013 general standard character list (0 = not listed)
  bhsrc   how bh was found: kangxi, numeral or fallback
  whsrc   how wuhang was found: list, radical or initial

A summary (counts, fallbacks) goes to stderr.
"""
import bz2
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
UNIHAN = "/usr/share/unicode"
FIELDS = {
    "kRSKangXi", "kTotalStrokes", "kTraditionalVariant", "kSimplifiedVariant",
    "kMandarin", "kTGH", "kRSUnicode",
}
UNIHAN_FILES = ["Unihan_RadicalStrokeCounts", "Unihan_IRGSources", "Unihan_Variants",
                "Unihan_Readings", "Unihan_OtherMappings"]

# The numerals keep the stroke value that numerology gives them, whatever
# their written strokes are.
NUMERALS = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8,
            "九": 9, "十": 10, "百": 6, "千": 3, "万": 15}

# Element by the Kangxi radical of the traditional form.
RADICAL_ELEMENT = {167: "金", 96: "金",
                   75: "木", 140: "木", 115: "木", 118: "木",
                   85: "水", 15: "水", 173: "水",
                   86: "火", 72: "火",
                   32: "土", 46: "土", 112: "土", 102: "土"}

# Element by the initial of the Mandarin reading.
INITIAL_ELEMENT = [("zh", "金"), ("ch", "金"), ("sh", "金"),
                   ("b", "水"), ("p", "水"), ("m", "水"), ("f", "水"), ("h", "水"),
                   ("d", "火"), ("t", "火"), ("n", "火"), ("l", "火"),
                   ("g", "木"), ("k", "木"), ("j", "木"), ("q", "木"),
                   ("z", "金"), ("c", "金"), ("s", "金"), ("r", "金"), ("x", "金")]

CJK_RANGES = [(0x3400, 0x4DBF), (0x4E00, 0x9FFF), (0xF900, 0xFAFF)]


def read_tsv(path):
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


def load_unihan():
    data = {k: {} for k in FIELDS}
    for name in UNIHAN_FILES:
        with bz2.open(os.path.join(UNIHAN, name + ".txt.bz2"), "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                cp, key, value = line.rstrip("\n").split("\t", 2)
                if key in data:
                    data[key][chr(int(cp[2:], 16))] = value
    return data


def gbk_ok(c):
    try:
        c.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def code_points(value):
    return [chr(int(x[2:], 16)) for x in value.split()]


def main():
    u = load_unihan()
    radicals = {int(r["num"]): int(r["strokes"]) for r in read_tsv(
        os.path.join(HERE, "kangxi-radicals.tsv"))}
    if len(radicals) != 214:
        sys.exit("kangxi-radicals.tsv must hold 214 radicals")
    # The typed radical strokes must agree with Unihan's own total of each
    # radical character, except where the Kangxi dictionary files a radical
    # under a count that modern writing no longer uses (廴 3, 瓦 5, 禸 5,
    # 鬼 10, 鼎 13, 龜 16).
    kangxi_only = {54, 98, 114, 194, 206, 213}
    for r in read_tsv(os.path.join(HERE, "kangxi-radicals.tsv")):
        total = u["kTotalStrokes"].get(r["radical"], "").split()
        agrees = int(r["strokes"]) in [int(t) for t in total]
        if agrees == (int(r["num"]) in kangxi_only):
            sys.exit(f"radical {r['num']} {r['radical']}: {r['strokes']} vs Unihan {total}")

    overrides = {r["char"]: r["ft"] for r in read_tsv(os.path.join(HERE, "ft-overrides.tsv"))}
    elements = {}
    for r in read_tsv(os.path.join(HERE, "..", "char-elements.tsv")):
        elements.setdefault(r["char"], []).append((r["element"], int(r["strokes"])))

    chars = [chr(i) for a, b in CJK_RANGES for i in range(a, b + 1) if gbk_ok(chr(i))]
    chars = sorted(set(chars) | set(elements))

    def traditional(c):
        if c in overrides:
            return overrides[c], "override"
        value = u["kTraditionalVariant"].get(c)
        if not value:
            return c, "self"
        others = [x for x in code_points(value) if x != c and gbk_ok(x)]
        if not others:
            return c, "self"
        return others[0], ("first" if len(others) > 1 else "variant")

    def kangxi(c):
        value = u["kRSKangXi"].get(c)
        if not value:
            return None
        rad, rest = value.split()[0].replace("'", "").split(".")
        return int(rad), int(rest)

    def radical_of(c):
        k = kangxi(c)
        if k:
            return k[0]
        value = u["kRSUnicode"].get(c)
        if value:
            return int(value.split()[0].split(".")[0].replace("'", ""))
        return None

    def strokes(c, ft):
        if c in NUMERALS:
            return NUMERALS[c], "numeral"
        k = kangxi(ft)
        if k:
            return radicals[k[0]] + k[1], "kangxi"
        total = u["kTotalStrokes"].get(ft) or u["kTotalStrokes"].get(c)
        # The last value is the one for traditional use.
        return int(total.split()[-1]), "fallback"

    def initial_element(c):
        value = u["kMandarin"].get(c)
        if not value:
            return None
        syllable = unicodedata.normalize("NFD", value.split()[0])
        syllable = "".join(ch for ch in syllable if not unicodedata.combining(ch))
        for prefix, element in INITIAL_ELEMENT:
            if syllable.startswith(prefix):
                return element
        return "土"  # no initial: a, o, e, y, w ...

    def element(c, ft, bh):
        simplified = code_points(u["kSimplifiedVariant"].get(c, ""))
        for key in [c, ft] + simplified:
            if key in elements:
                entries = elements[key]
                # A character listed twice (once per traditional form) takes
                # the entry whose stroke count matches ours.
                for e, s in entries:
                    if s == bh:
                        return e, "list"
                return entries[0][0], "list"
        rad = radical_of(ft)
        if rad in RADICAL_ELEMENT:
            return RADICAL_ELEMENT[rad], "radical"
        for key in [c, ft] + simplified:
            e = initial_element(key)
            if e:
                return e, "initial"
        return "土", "initial"  # no reading at all: counted as no initial

    stats = {}
    out_path = os.path.join(HERE, "word.tsv")
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Generated by make_word.py from Unihan (unicode-data) and char-elements.tsv;\n"
                  "# rerun: python3 refdata/word/make_word.py\n")
        out.write("zi\tbh\tft\twuhang\ttgh\tbhsrc\twhsrc\n")
        for c in chars:
            ft, ftsrc = traditional(c)
            bh, bhsrc = strokes(c, ft)
            wh, whsrc = element(c, ft, bh)
            tgh = u["kTGH"].get(c)
            tgh = int(tgh.split()[0].split(":")[1]) if tgh else 0
            for key in ("ft:" + ftsrc, "bh:" + bhsrc, "wh:" + whsrc):
                stats[key] = stats.get(key, 0) + 1
            out.write(f"{c}\t{bh}\t{ft}\t{wh}\t{tgh}\t{bhsrc}\t{whsrc}\n")
    print(f"{len(chars)} characters", file=sys.stderr)
    for key in sorted(stats):
        print(f"  {key}: {stats[key]}", file=sys.stderr)


if __name__ == "__main__":
    main()
