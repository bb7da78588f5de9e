#!/usr/bin/env python3
"""Writes parts.tsv, the ready-made two-character name parts.

Rerun (needs the Debian package python3-jieba):
    python3 refdata/mz/make_mz.py

Source: jieba's word list (dict.txt: word, frequency, part of speech). Rules
first make the candidates; a word is a candidate when
  - it has two different characters, neither graded unfit in
    ../cyzi/ratings.tsv (a weak character, not drawn alone, may stand in a
    part);
  - at least one of them is favoured (or bound: a favoured meaning that is
    not drawn alone), so that the part carries a meaning a
    brand wants rather than an everyday one;
  - it is a noun (n, nz, and nr, under which jieba files many two-character
    words such as 嘉禾 盛世), an adjective (a, an, z, b) or a verb (v, vn);
  - its frequency is at least MIN_FREQUENCY;
  - it is not in word-exclusions.tsv (words unfit for a brand although their
    characters are fine: 阴谋, 导弹, 国徽, 问题 ...).
Place names (ns), time words (t) and places (s) are left out. The candidates
were then judged by hand, and keep.tsv lists the ones that read as half of a
brand name; a part is a candidate that keep.tsv lists. A word of keep.tsv
that the rules refuse stops the script, so that a changed rating or
exclusion shows up here rather than silently thinning the parts.

MIN_FREQUENCY = 20 lets in the rarer words a name wants (匠心 22, 宏图 39,
嘉禾 48) and keeps out the ones a reader would not know at sight.
Rows are written by falling frequency; the builder numbers them in this order.

parts.tsv replaces mz.tsv, the parts of the former rules (frequency at least
200, no judged list), which stays as it is until the builder fills MZ from
parts.tsv.
"""
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "word"))
from unihan import read_tsv  # noqa: E402

JIEBA_DICT = "/usr/lib/python3/dist-packages/jieba/dict.txt"
MIN_FREQUENCY = 20
PARTS_OF_SPEECH = {"n", "nz", "nr", "nrfg", "a", "an", "z", "b", "v", "vn"}
COMMON_LEVEL_SIZE = 3500
GRADES = {"unfit", "weak", "plain", "bound", "favoured"}
# Grades with a favoured meaning: a drawn favoured one, or one bound to its words.
FAVOURED = {"favoured", "bound"}


def read_ratings():
    """{character: grade} of ratings.tsv, checked against word.tsv: every
    character of level 1 exactly once, nothing else, a known grade, and a
    reason for every unfit one."""
    common = {r["zi"] for r in read_tsv(os.path.join(HERE, "..", "word", "word.tsv"))
              if 0 < int(r["tgh"]) <= COMMON_LEVEL_SIZE}
    grades = {}
    for r in read_tsv(os.path.join(HERE, "..", "cyzi", "ratings.tsv")):
        c, grade = r["char"], r["grade"]
        problem = ("is not a character of level 1" if c not in common else
                   "is rated twice" if c in grades else
                   f"has the unknown grade '{grade}'" if grade not in GRADES else
                   "is unfit without a reason" if grade == "unfit" and not r["reason"].strip()
                   else None)
        if problem:
            sys.exit(f"ratings.tsv: {c} {problem}")
        grades[c] = grade
    if len(grades) != len(common):
        sys.exit(f"ratings.tsv: {len(common) - len(grades)} characters of level 1 unrated")
    return grades


def refusal(word, pos, freq, grades, word_exclusions):
    """Why the rules refuse a word of jieba's list, or None for a candidate."""
    if len(word) != 2 or word[0] == word[1]:
        return "is not two different characters"
    if any(grades.get(c, "unfit") == "unfit" for c in word):
        return "has an unfit character"
    if not any(grades[c] in FAVOURED for c in word):
        return "has no favoured character"
    if pos not in PARTS_OF_SPEECH:
        return f"is tagged {pos}"
    if freq < MIN_FREQUENCY:
        return f"has frequency {freq}"
    if word in word_exclusions:
        return "is in word-exclusions.tsv"
    return None


def main():
    grades = read_ratings()
    word_exclusions = {r["word"] for r in read_tsv(os.path.join(HERE, "word-exclusions.tsv"))}
    keep = [r["word"] for r in read_tsv(os.path.join(HERE, "keep.tsv"))]
    if len(set(keep)) != len(keep):
        sys.exit("keep.tsv: a word is listed twice")
    jieba = {}
    with open(JIEBA_DICT, encoding="utf-8") as f:
        for line in f:
            word, freq, pos = line.split()
            jieba.setdefault(word, (int(freq), pos))

    candidates = sum(1 for w, (freq, pos) in jieba.items()
                     if refusal(w, pos, freq, grades, word_exclusions) is None)
    parts = []
    for word in keep:
        if word not in jieba:
            sys.exit(f"keep.tsv: {word} is not in jieba's list")
        freq, pos = jieba[word]
        why = refusal(word, pos, freq, grades, word_exclusions)
        if why:
            sys.exit(f"keep.tsv: {word} {why}")
        parts.append((word, freq, pos))
    parts.sort(key=lambda w: (-w[1], w[0]))
    with open(os.path.join(HERE, "parts.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("# Generated by make_mz.py from jieba's dict.txt (python3-jieba), ratings.tsv\n"
                  "# and keep.tsv; rerun: python3 refdata/mz/make_mz.py\n")
        out.write("zi\tfreq\tpos\n")
        for word, freq, pos in parts:
            out.write(f"{word}\t{freq}\t{pos}\n")
    print(f"{len(parts)} name parts kept of {candidates} candidates", file=sys.stderr)


if __name__ == "__main__":
    main()
