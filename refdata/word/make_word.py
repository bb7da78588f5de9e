#!/usr/bin/env python3
"""Writes word.tsv, the character dictionary of the naming tables.

Rerun (needs the Debian package unicode-data):
    python3 refdata/word/make_word.py > /dev/null   # writes refdata/word/word.tsv

Inputs: the Unihan files of unicode-data (/usr/share/unicode/Unihan_*.txt.bz2),
kangxi-radicals.tsv, ft-overrides.tsv, element-by-radical.tsv and
element-by-initial.tsv beside this script (rerun make_element_fallbacks.py
first when char-elements.tsv changes), and ../char-elements.tsv. Output
columns:

  zi      the character (every CJK ideograph that GBK encodes, plus every
          character of char-elements.tsv)
  bh      numerology strokes: the Kangxi count of the traditional form, i.e.
          the full stroke count of its Kangxi radical plus the residual
          strokes of kRSKangXi; the numerals 一..十 count 1..10, 百 6, 千 3,
          万 15; without kRSKangXi, kTotalStrokes of the traditional form
  ft      the traditional form (ft-overrides.tsv first, then kTraditionalVariant)
  wuhang  the element: char-elements.tsv; for a character it does not
          list, the majority element of its Kangxi radical where that
          radical's evidence is clear (element-by-radical.tsv, use = yes),
          else the majority element of the initial of its Mandarin reading
          (element-by-initial.tsv); both tables are measured on
          char-elements.tsv by make_element_fallbacks.py
  tgh     index in the 2013 general standard character list (0 = not listed)
  bhsrc   how bh was found: kangxi, numeral or fallback
  whsrc   how wuhang was found: list, radical or initial

A summary (counts, fallbacks) goes to stderr.
"""
import os
import sys

sys.dont_write_bytecode = True
from unihan import (NO_INITIAL, code_points, load_unihan, mandarin, radical_of,  # noqa: E402
                    read_tsv, split_syllable)

HERE = os.path.dirname(os.path.abspath(__file__))
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

CJK_RANGES = [(0x3400, 0x4DBF), (0x4E00, 0x9FFF), (0xF900, 0xFAFF)]


def gbk_ok(c):
    try:
        c.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def main():
    u = load_unihan(FIELDS, UNIHAN_FILES)
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

    def strokes(c, ft):
        if c in NUMERALS:
            return NUMERALS[c], "numeral"
        k = kangxi(ft)
        if k:
            return radicals[k[0]] + k[1], "kangxi"
        total = u["kTotalStrokes"].get(ft) or u["kTotalStrokes"].get(c)
        # The last value is the one for traditional use.
        return int(total.split()[-1]), "fallback"

    radical_element = {int(r["num"]): r["element"]
                       for r in read_tsv(os.path.join(HERE, "element-by-radical.tsv"))
                       if r["use"] == "yes"}
    initial_element = {r["initial"]: r["element"]
                       for r in read_tsv(os.path.join(HERE, "element-by-initial.tsv"))}

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
        rad = radical_of(u, ft)
        if rad in radical_element:
            return radical_element[rad], "radical"
        for key in [c, ft] + simplified:
            reading = mandarin(u, key)
            if reading:
                return initial_element[split_syllable(reading)[1]], "initial"
        return initial_element[NO_INITIAL], "initial"  # no reading: counted as no initial

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
