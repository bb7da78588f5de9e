#!/usr/bin/env python3
"""Writes verse.tsv, the classical lines that a name's characters are looked
up in (出处).

Rerun (needs the Debian package unicode-data and the npm package
chinese-poetry 2.0.1, installed anywhere outside the repository):
    npm install --prefix /tmp/cp chinese-poetry@2.0.1
    python3 refdata/verse/make_verse.py /tmp/cp/node_modules/chinese-poetry

The collections taken from the package (its dist/ folder), in this order:
  诗经  shijing/shijing.json                  all 305 odes
  楚辞  chuci/chuci.json                      all 65 pieces
  论语  lunyu/lunyu.json                      all 20 books
  唐诗  quantangshi/唐诗三百首.json           the 300 Tang poems
        mengxue/qianjiashi.json               the Tang poems of 千家诗
        shuimotangshi/shuimotangshi.json      水墨唐诗
        quantangshi/poet.tang.*.json          every poem of the five poets
                                              with at least 15 poems in the
                                              300 Tang poems (李白, 杜甫,
                                              王维, 李商隐, 孟浩然)
  宋词  songci/宋词三百首.json                the 300 Song ci

One row per sentence: a text is cut after 。！？； (and the closing quotes
that follow), so a row of regular verse is one couplet. Quotation marks,
notes in brackets （一作…） and blanks are dropped; a sentence holding a
character the package could not encode (□, {…}) or the rest of a note is
left out. The complete works carry editors' notes among the lines: from them
only sentences that read as verse are kept (clauses of at most 11
characters, no book titles). A sentence already written by an earlier
collection (same text) is not repeated, so the anthologies come first and
the complete works only add what they lack.

The Tang texts of the package are traditional. Every text goes through the
same character map to simplified, titles and authors too:
  - ts-overrides.tsv beside this script decides first (variants that Unihan
    links to no simplified form or a wrong one, 爲 → 为, 遊 → 游; 於 → 于);
  - a character of the 2013 general standard list (kTGH) stays as it is
    (著, 覆, 藉 are standard characters of their own);
  - any other character takes its kSimplifiedVariant if that is standard,
    else the standard one among its kSemanticVariant and kZVariant forms and
    their simplified forms (羣 → 群, 劒 → 剑), else a simplified form of the
    basic plane, else it stays;
  - 乾 becomes 干 (dry, 泪始干) except before 坤 元 象 知 符 道 德.

Output columns:
  line    the sentence in simplified characters, with its punctuation
  title   诗经: section and ode (周南·关雎, 小雅·鹿鸣); 楚辞: the piece (离骚,
          九歌·湘夫人); 论语: the book (学而); 唐诗: the poem's title; 宋词:
          the tune (词牌)
  author  the poet; empty for 诗经 and 论语
  source  诗经, 楚辞, 论语, 唐诗 or 宋词
  book    the collection the row was taken from: 诗经, 楚辞, 论语,
          唐诗三百首, 千家诗, 水墨唐诗, 全唐诗 or 宋词三百首

A summary (rows per collection, characters left outside the standard list)
goes to stderr.
"""
import bz2
import glob
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
UNIHAN = "/usr/share/unicode"
# Poets whose complete Tang poems are added, by the number of their poems in
# the 300 Tang poems (李白 51, 杜甫 41, 王維 29, 李商隱 25, 孟浩然 16 rows of
# the package's selection). The next ones would take the table past 3 MB.
COMPLETE_WORKS = ["李白", "杜甫", "王維", "李商隱", "孟浩然"]
# Lines every collection must yield; a change of the package or of the
# sentence cut that loses one stops the run.
KNOWN_LINES = {
    "诗经": "关关雎鸠，在河之洲。",
    "楚辞": "路漫漫其修远兮，吾将上下而求索。",
    "论语": "子曰：学而时习之，不亦说乎？",
    "唐诗": "床前明月光，疑是地上霜。",
    "宋词": "明月几时有，把酒问青天。",
}

SENTENCE = re.compile(r"[^。！？；]*[。！？；]+[”’」』]*|[^。！？；]+$")
NOTE = re.compile(r"（[^（）]*）|\([^()]*\)|【[^【】]*】|〖[^〖〗]*〗|\[[^\[\]]*\]")
CLAUSE = re.compile(r"[^，、：。！？；]+")
# 乾 is a standard character (乾坤), but in verse it mostly means dry (泪始干).
DRY = re.compile(r"乾(?![坤元象知符道德])")
# Quotation marks and blanks go; ASCII punctuation becomes the full-width one.
DROPPED = str.maketrans({"<": "《", ">": "》", ",": "，", ";": "；", ":": "：", "?": "？",
                         "!": "！", **{c: None for c in "“”‘’「」『』 \u3000\t"}})
# A character the package could not encode, or the rest of a note that
# spans lines.
UNENCODED = re.compile(r"[□■{}｛｝（）()〖〗]")


def unihan_field(filename, field):
    values = {}
    with bz2.open(os.path.join(UNIHAN, filename + ".txt.bz2"), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            cells = line.rstrip("\n").split("\t")
            if len(cells) == 3 and cells[1] == field:
                values[chr(int(cells[0][2:], 16))] = cells[2]
    return values


def code_points(value):
    return [chr(int(v.split("<")[0][2:], 16)) for v in value.split()]


def simplifier():
    """Returns the character map to simplified and the standard list."""
    standard = set(unihan_field("Unihan_OtherMappings", "kTGH"))
    simplified = unihan_field("Unihan_Variants", "kSimplifiedVariant")
    semantic = unihan_field("Unihan_Variants", "kSemanticVariant")
    z = unihan_field("Unihan_Variants", "kZVariant")
    with open(os.path.join(HERE, "ts-overrides.tsv"), encoding="utf-8") as f:
        pairs = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    overrides = dict(pairs[1:])  # after the header row

    def resolve(c):
        if c in overrides:
            return overrides[c]
        if c in standard:
            return c
        forms = code_points(simplified.get(c, ""))
        # An old variant (羣, 峯, 劒) has no simplified form of its own: the
        # standard character among its variants, or among their simplified
        # forms, is the one written today.
        variants = code_points(semantic.get(c, "") + " " + z.get(c, ""))
        for v in variants:
            forms += code_points(simplified.get(v, ""))
        for candidate in forms[:1] + variants + forms[1:]:
            if candidate in standard:
                return candidate
        # A simplified form outside the standard list is taken only where
        # fonts carry it (the basic plane); else the old form stays.
        return forms[0] if forms and ord(forms[0]) < 0x10000 else c

    table = {}
    for c in set(simplified) | set(semantic) | set(z) | set(overrides):
        s = resolve(c)
        if s != c:
            table[ord(c)] = s
    return table, standard


def drop_notes(text):
    # Notes nest (（一作…（…）…）): strip the innermost until none is left.
    while True:
        stripped = NOTE.sub("", text)
        if stripped == text:
            return text
        text = stripped


def sentences(text, verse_only):
    """The sentences of text; with verse_only, only those that read as verse:
    clauses of at most 11 characters and no book titles (the complete works
    carry editors' notes among the lines)."""
    text = DRY.sub("干", drop_notes(text).translate(DROPPED))
    for m in SENTENCE.finditer(text):
        s = m.group(0)
        if not re.search(r"[\u3400-\u9fff]", s) or UNENCODED.search(s):
            continue
        if verse_only and ("《" in s or max(len(c) for c in CLAUSE.findall(s)) > 11):
            continue
        yield s


class Table:
    def __init__(self, to_simplified):
        self.to_simplified = to_simplified
        self.rows = []
        self.seen = set()
        self.counts = {}

    def add(self, paragraphs, title, author, source, book):
        title = drop_notes(title).strip().translate(self.to_simplified)
        author = author.translate(self.to_simplified)
        for p in paragraphs:
            for s in sentences(p.translate(self.to_simplified), book == "全唐诗"):
                if s in self.seen:
                    continue
                self.seen.add(s)
                self.rows.append((s, title, author, source, book))
                self.counts[book] = self.counts.get(book, 0) + 1


def load(package, relative):
    with open(os.path.join(package, "dist", relative), encoding="utf-8") as f:
        return json.load(f)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_verse.py PATH/TO/node_modules/chinese-poetry")
    package = sys.argv[1]
    to_simplified, standard = simplifier()
    table = Table(to_simplified)

    for ode in load(package, "shijing/shijing.json"):
        part = ode["section"] if ode["chapter"] == "国风" else ode["chapter"]
        table.add(ode["content"], f"{part}·{ode['title']}", "", "诗经", "诗经")
    for piece in load(package, "chuci/chuci.json"):
        title = piece["title"]
        if piece["section"] != title:
            title = f"{piece['section']}·{title}"
        table.add(piece["content"], title, piece["author"], "楚辞", "楚辞")
    for book in load(package, "lunyu/lunyu.json"):
        table.add(book["paragraphs"], book["chapter"].removesuffix("篇"), "", "论语", "论语")

    for poem in load(package, "quantangshi/唐诗三百首.json"):
        table.add(poem["paragraphs"], poem["title"], poem["author"], "唐诗", "唐诗三百首")
    for group in load(package, "mengxue/qianjiashi.json")["content"]:
        for poem in group["content"]:
            if not poem["author"].startswith("（唐）"):
                continue
            # A poem of several pieces (其一, 其二) nests them.
            paragraphs = []
            for p in poem["paragraphs"]:
                paragraphs += p["paragraphs"] if isinstance(p, dict) else [p]
            table.add(paragraphs, poem["chapter"], poem["author"][3:], "唐诗", "千家诗")
    for poem in load(package, "shuimotangshi/shuimotangshi.json"):
        table.add(poem["paragraphs"], poem["title"], poem["author"], "唐诗", "水墨唐诗")
    files = glob.glob(os.path.join(package, "dist", "quantangshi", "poet.tang.*.json"))
    files.sort(key=lambda p: int(p.split(".")[-2]))
    for path in files:
        with open(path, encoding="utf-8") as f:
            for poem in json.load(f):
                if poem["author"] in COMPLETE_WORKS:
                    table.add(poem["paragraphs"], poem["title"], poem["author"], "唐诗", "全唐诗")

    for ci in load(package, "songci/宋词三百首.json"):
        table.add(ci["paragraphs"], ci["rhythmic"], ci["author"], "宋词", "宋词三百首")

    found = {(row[3], row[0]) for row in table.rows}
    missing = [line for source, line in KNOWN_LINES.items() if (source, line) not in found]
    if missing:
        sys.exit("known lines missing: " + " ".join(missing))

    out_path = os.path.join(HERE, "verse.tsv")
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Classical lines for a name's source (出处): 诗经, 楚辞, 论语, 唐诗 and 宋词 from\n"
                  "# the npm package chinese-poetry 2.0.1 (MIT), in simplified characters, one\n"
                  "# sentence a row. Generated by make_verse.py; rerun:\n"
                  "#   npm install --prefix /tmp/cp chinese-poetry@2.0.1 &&\n"
                  "#   python3 refdata/verse/make_verse.py /tmp/cp/node_modules/chinese-poetry\n")
        out.write("line\ttitle\tauthor\tsource\tbook\n")
        for row in table.rows:
            out.write("\t".join(row) + "\n")

    print(f"{len(table.rows)} rows, {os.path.getsize(out_path)} bytes", file=sys.stderr)
    for book, n in table.counts.items():
        print(f"  {book}: {n}", file=sys.stderr)
    outside = {}
    for row in table.rows:
        for c in row[0] + row[1] + row[2]:
            if "\u3400" <= c <= "\u9fff" and c not in standard:
                outside[c] = outside.get(c, 0) + 1
    common = sorted(outside.items(), key=lambda kv: -kv[1])[:60]
    print(f"  {len(outside)} characters outside the standard list, most frequent: "
          + " ".join(f"{c}{n}" for c, n in common), file=sys.stderr)


if __name__ == "__main__":
    main()
