// The statement catalogue: every SQL text of the program and of the
// reference-data builder, in SQLite's dialect, with "?" for every key (bound,
// never spliced into the text). A statement is added here under its file and
// run through a Statement (data/Statement.h), a QueryObject or a lookup.
//
// The program's statements only read; nothing is inserted, updated or
// deleted. Random draws order by rnd(ID), the program's seedable generator
// registered on every connection. The statements that create and fill the
// files stand apart at the end, in namespace sql::build, and only
// quillora-refdata runs them.
#pragma once

namespace quillora::sql {

// ---- Parvello.dll -------------------------------------------------------

// Stroke count and traditional form of one character (key: the character).
inline constexpr const char* kWordStrokes = "select bh from word where zi = ?";
inline constexpr const char* kWordTraditional = "select ft from word where zi = ?";
inline constexpr const char* kWordElement = "select wuhang from word where zi = ?";

// ---- Parvello.dll: the appeal of a name ---------------------------------------
//
// The grade, meaning and reading of the common characters (zirating with
// reading), of one other character (key: the character), the two-character
// name parts and the sounds a name must not make.
inline constexpr const char* kAppealCommonFacts =
    "select r.zi, r.grade, r.meaning, coalesce(s.pinyin, ''), coalesce(s.numbered, ''), "
    "coalesce(s.initial, ''), coalesce(s.final, ''), coalesce(s.tone, 0) "
    "from zirating r left join reading s on s.zi = r.zi";
inline constexpr const char* kAppealOneFacts =
    "select zi, -1, '', pinyin, numbered, initial, final, tone from reading where zi = ?";
// The name parts with what they are: 'n' a thing (锦绣 殿堂), 'a' a quality
// (精致 和谐), 'v' an action (飞扬 传承).
inline constexpr const char* kAppealParts =
    "select m.zi, coalesce(k.kind, 'n') from MZ m left join partkind k on k.zi = m.zi";
// Two characters of the drawing pool that stand side by side in a line of
// classical verse (明月, 清风): they read together like a name part.
inline constexpr const char* kAppealVerseWords = "select pair from verse_word";
// partrole.role: what a two-character name part or shop name does in a
// company name.
enum PartRole {
    kRoleFront = 1,             // a shop name of two characters (宏达 恒通)
    kRoleClose = 2,             // closes a four-character company name (伟业 兴业)
    kRolePlainClose = 3,        // closes one less well (宏图 致远)
    kRoleShopFront = 4,         // a front of a shop, not of a company (翰林)
    kRolePossibleShopName = 5,  // a shop name that reads below a front (金鑫)
};
// tradezi.place: where a shop-name character reads.
enum TradePlace {
    kNotTrade = 0,
    kTradeAnywhere = 1,  // anywhere, but does not close a longer name (瑞)
    kPlaceOfTrade = 2,   // only as the last of three or more characters (轩 阁 坊)
    kTradeEnding = 3,    // anywhere, and closes a longer name (兴 隆 昌)
};
// The parts and shop names that make a company name, with their PartRole.
inline constexpr const char* kAppealPartRoles = "select zi, role from partrole";
// The characters of shop names (恒 瑞 泰, and 轩 阁 坊 at the end), with their
// TradePlace.
inline constexpr const char* kAppealTradeCharacters = "select zi, place from tradezi";
inline constexpr const char* kAppealNegativeSounds = "select sound, word from negsound";

// ---- Parvello.dll: candidate-name generation ------------------------------
//
// One statement per name length and set of fixed positions. Every statement
// yields the candidate columns zi, wuhang, ft, bh, fs. A fixed position is the
// row of word for the fixed character (keys bound in position order); a free
// position is a row of CYZI, either from a random sample (the first N rows in
// rnd(ID, weight) order, drawn afresh by each statement: a character of
// weight w comes early w times as often as one of weight 1; the last
// position of a three-character name draws by weight_last, which favours
// the characters that close a name, and with no fixed character the first
// and second of a name of two or three characters draw by weight_first and
// weight_second, which favour the characters of two-character shop names;
// every drawn place of a four-character name with a fixed character draws by
// the weight of its place, weight_first to weight_fourth, the last two of
// which favour the characters of the words that close a company name) or from the whole table.
// Every combination must match a stroke pattern of gz of the name's length. None of them orders its
// result. When elements are required the statement is wrapped as "select * from (" statement ") dd
// where 1 = 1 " + conditions, so the conditions apply after the row limit.
//
// Every statement begins with the user's own characters as its first two
// keys, ?1 the characters never to use (排除字) and ?2 the characters to
// prefer (偏好字), each a text of characters ("" for none); the fixed
// characters follow as ?3 onwards. A drawn position skips every excluded
// character (a fixed one is kept as typed) and draws the preferred ones
// first, so that a preferred character that fits the patterns is in the
// result. The texts are only ever compared with instr(), never spliced in.
//
// Statements that combine several samples first draw each sample once (a
// materialized common table), then keep the patterns of gz whose strokes occur
// in the samples of their positions (p), and only then pair the samples' rows
// with those patterns. The rows are the same as those of a plain join of the
// samples with gz; SQLite finds them several times faster this way, because it
// looks up each combination of stroke counts once instead of each combination
// of characters.

// clang-format off
#define QL_KEYS "with keys(exclude, prefer) as (select ?1, ?2) "
#define QL_KEYS_AND "with keys(exclude, prefer) as (select ?1, ?2), "
#define QL_CYZI_SAMPLE_BY(weight, n)                                                 \
    "(select zi, wuhang, ft, bh from CYZI where instr(?1, zi) = 0 "                 \
    "order by instr(?2, zi) > 0 desc, rnd(ID, " weight ") limit " #n ")"
#define QL_CYZI_SAMPLE(n) QL_CYZI_SAMPLE_BY("weight", n)
#define QL_MZ_SAMPLE(n)                                                             \
    "(select zi, wuhang, ft, bh, bh1, bh2 from MZ where instr(?1, substr(zi, 1, 1)) = 0 " \
    "and instr(?1, substr(zi, 2, 1)) = 0 order by (instr(?2, substr(zi, 1, 1)) > 0 " \
    "or instr(?2, substr(zi, 2, 1)) > 0) desc, rnd(ID, weight) limit " #n ")"
#define QL_WORD_ONE "(select zi, wuhang, ft, bh from word where zi = ? limit 1)"
#define QL_SAMPLE(alias, n) alias " as materialized " QL_CYZI_SAMPLE(n)
// The last character of a three-character name, drawn by its closing weight.
#define QL_SAMPLE_LAST(alias, n) alias " as materialized " QL_CYZI_SAMPLE_BY("weight_last", n)
// The first and second characters of a two- or three-character name without
// a fixed one, drawn so that many pairs of them make a two-character shop name.
#define QL_SAMPLE_FIRST(alias, n) alias " as materialized " QL_CYZI_SAMPLE_BY("weight_first", n)
#define QL_SAMPLE_SECOND(alias, n) alias " as materialized " QL_CYZI_SAMPLE_BY("weight_second", n)
// The third and fourth characters of a four-character name with a fixed one,
// drawn so that many pairs of them make a word that closes a company name.
#define QL_SAMPLE_THIRD(alias, n) alias " as materialized " QL_CYZI_SAMPLE_BY("weight_third", n)
#define QL_SAMPLE_FOURTH(alias, n) alias " as materialized " QL_CYZI_SAMPLE_BY("weight_fourth", n)
#define QL_FIXED(alias) alias " as materialized " QL_WORD_ONE
#define QL_FIXED_ALL(alias) alias " as materialized (select zi, wuhang, ft, bh from word where zi = ?)"
#define QL_SELECT_FOUR                                                              \
    "select a.zi || aa.zi || b.zi || bb.zi as zi, "                                 \
    "a.wuhang || aa.wuhang || b.wuhang || bb.wuhang as wuhang, "                    \
    "a.ft || aa.ft || b.ft || bb.ft as ft, a.bh + aa.bh + b.bh + bb.bh as bh, "     \
    "c.zf as fs from "
#define QL_MATCH_FOUR                                                               \
    ", gz c where c.lx = 4 and a.bh = c.bh11 and aa.bh = c.bh12 and "               \
    "b.bh = c.bh21 and bb.bh = c.bh22 limit 100000"
// Four positions a, aa, b, bb drawn as common tables: the patterns, then the rows.
#define QL_PATTERNS_FOUR                                                            \
    ", p as materialized (select bh11, bh12, bh21, bh22, zf from gz where lx = 4 "  \
    "and bh11 in (select bh from a) and bh12 in (select bh from aa) "               \
    "and bh21 in (select bh from b) and bh22 in (select bh from bb)) "              \
    "select a.zi || aa.zi || b.zi || bb.zi as zi, "                                 \
    "a.wuhang || aa.wuhang || b.wuhang || bb.wuhang as wuhang, "                    \
    "a.ft || aa.ft || b.ft || bb.ft as ft, a.bh + aa.bh + b.bh + bb.bh as bh, "     \
    "p.zf as fs from p, a, aa, b, bb where a.bh = p.bh11 and aa.bh = p.bh12 and "   \
    "b.bh = p.bh21 and bb.bh = p.bh22 limit 100000"
// Three positions X, Y, Z (aliases in name order) drawn as common tables.
#define QL_PATTERNS_THREE(X, Y, Z, limit)                                           \
    ", p as materialized (select bh11, bh12, bh21, zf from gz where lx = 3 "        \
    "and bh11 in (select bh from " X ") and bh12 in (select bh from " Y ") "        \
    "and bh21 in (select bh from " Z ")) "                                          \
    "select " X ".zi || " Y ".zi || " Z ".zi as zi, "                               \
    X ".wuhang || " Y ".wuhang || " Z ".wuhang as wuhang, "                         \
    X ".ft || " Y ".ft || " Z ".ft as ft, " X ".bh + " Y ".bh + " Z ".bh as bh, "   \
    "p.zf as fs from p, " X ", " Y ", " Z " where " X ".bh = p.bh11 and "           \
    Y ".bh = p.bh12 and " Z ".bh = p.bh21" limit

// Two characters. G2-1: no fixed position, two samples of 230 (first and
// second place), at most 50000 rows. G2-2: position 1 fixed, the whole of CYZI. G2-3: position 2 fixed.
inline constexpr const char* kGen2_1 = QL_KEYS
    "select a.zi || b.zi as zi, a.wuhang || b.wuhang as wuhang, a.ft || b.ft as ft, "
    "a.bh + b.bh as bh, d.zf as fs "
    "from " QL_CYZI_SAMPLE_BY("weight_first", 230) " a, " QL_CYZI_SAMPLE_BY("weight_second", 230) " b, gz d "
    "where d.lx = 2 and a.bh = d.bh11 and b.bh = d.bh12 limit 50000";
inline constexpr const char* kGen2_2 = QL_KEYS
    "select a.zi || b.zi as zi, a.wuhang || b.wuhang as wuhang, a.ft || b.ft as ft, "
    "a.bh + b.bh as bh, c.zf as fs "
    "from CYZI b, word a, gz c "
    "where a.zi = ? and instr(?1, b.zi) = 0 and c.lx = 2 and c.bh11 = a.bh and c.bh12 = b.bh";
inline constexpr const char* kGen2_3 = QL_KEYS
    "select a.zi || b.zi as zi, a.wuhang || b.wuhang as wuhang, a.ft || b.ft as ft, "
    "a.bh + b.bh as bh, c.zf as fs "
    "from CYZI a, word b, gz c "
    "where b.zi = ? and instr(?1, a.zi) = 0 and c.lx = 2 and c.bh11 = a.bh and c.bh12 = b.bh";

// Three characters. G3-1: three samples of 50, at most 50000 rows. G3-2 to
// G3-4: one fixed position (every word row of the character), two samples
// of 200. G3-5 to G3-7: two fixed positions, the whole of CYZI.
inline constexpr const char* kGen3_1 =
    QL_KEYS_AND QL_SAMPLE_FIRST("a", 50) ", " QL_SAMPLE_SECOND("b", 50) ", " QL_SAMPLE_LAST("c", 50)
    QL_PATTERNS_THREE("a", "b", "c", " limit 50000");
inline constexpr const char* kGen3_2 =
    QL_KEYS_AND QL_FIXED_ALL("a") ", " QL_SAMPLE("b", 200) ", " QL_SAMPLE_LAST("bb", 200)
    QL_PATTERNS_THREE("a", "b", "bb", "");
inline constexpr const char* kGen3_3 =
    QL_KEYS_AND QL_FIXED_ALL("a") ", " QL_SAMPLE("b", 200) ", " QL_SAMPLE_LAST("bb", 200)
    QL_PATTERNS_THREE("b", "a", "bb", "");
inline constexpr const char* kGen3_4 =
    QL_KEYS_AND QL_FIXED_ALL("a") ", " QL_SAMPLE("b", 200) ", " QL_SAMPLE("bb", 200)
    QL_PATTERNS_THREE("b", "bb", "a", "");
inline constexpr const char* kGen3_5 = QL_KEYS
    "select a.zi || aa.zi || b.zi as zi, a.wuhang || aa.wuhang || b.wuhang as wuhang, "
    "a.ft || aa.ft || b.ft as ft, a.bh + aa.bh + b.bh as bh, c.zf as fs "
    "from CYZI b, word a, word aa, gz c "
    "where a.zi = ? and aa.zi = ? and instr(?1, b.zi) = 0 and c.lx = 3 and c.bh11 = a.bh and c.bh12 = aa.bh and "
    "c.bh21 = b.bh";
inline constexpr const char* kGen3_6 = QL_KEYS
    "select a.zi || b.zi || aa.zi as zi, a.wuhang || b.wuhang || aa.wuhang as wuhang, "
    "a.ft || b.ft || aa.ft as ft, a.bh + aa.bh + b.bh as bh, c.zf as fs "
    "from CYZI b, word a, word aa, gz c "
    "where a.zi = ? and aa.zi = ? and instr(?1, b.zi) = 0 and c.lx = 3 and c.bh11 = a.bh and c.bh12 = b.bh and "
    "c.bh21 = aa.bh";
inline constexpr const char* kGen3_7 = QL_KEYS
    "select b.zi || a.zi || aa.zi as zi, b.wuhang || a.wuhang || aa.wuhang as wuhang, "
    "b.ft || a.ft || aa.ft as ft, a.bh + aa.bh + b.bh as bh, c.zf as fs "
    "from CYZI b, word a, word aa, gz c "
    "where a.zi = ? and aa.zi = ? and instr(?1, b.zi) = 0 and c.lx = 3 and c.bh11 = b.bh and c.bh12 = a.bh and "
    "c.bh21 = aa.bh";

// Four characters, at most 100000 rows each. G4-1: no fixed position, two
// samples of 300 ready-made parts of MZ. G4-2 to G4-5: one fixed position,
// three samples of 50. G4-6 to G4-11: two fixed, two samples of 300. G4-12 to
// G4-15: three fixed, one sample of 1000.
inline constexpr const char* kGen4_1 = QL_KEYS
    "select a.zi || b.zi as zi, a.wuhang || b.wuhang as wuhang, a.ft || b.ft as ft, "
    "a.bh + b.bh as bh, c.zf as fs "
    "from " QL_MZ_SAMPLE(300) " a, " QL_MZ_SAMPLE(300) " b, gz c "
    "where c.lx = 4 and a.bh1 = c.bh11 and a.bh2 = c.bh12 and b.bh1 = c.bh21 and "
    "b.bh2 = c.bh22 limit 100000";
inline constexpr const char* kGen4_2 = QL_KEYS_AND
    QL_FIXED("a") ", " QL_SAMPLE_SECOND("aa", 50) ", " QL_SAMPLE_THIRD("b", 50) ", " QL_SAMPLE_FOURTH("bb", 50)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_3 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 50) ", " QL_FIXED("aa") ", " QL_SAMPLE_THIRD("b", 50) ", " QL_SAMPLE_FOURTH("bb", 50)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_4 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 50) ", " QL_SAMPLE_SECOND("aa", 50) ", " QL_FIXED("b") ", " QL_SAMPLE_FOURTH("bb", 50)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_5 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 50) ", " QL_SAMPLE_SECOND("aa", 50) ", " QL_SAMPLE_THIRD("b", 50) ", " QL_FIXED("bb")
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_6 = QL_KEYS_AND
    QL_FIXED("a") ", " QL_FIXED("aa") ", " QL_SAMPLE_THIRD("b", 300) ", " QL_SAMPLE_FOURTH("bb", 300)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_7 = QL_KEYS_AND
    QL_FIXED("a") ", " QL_SAMPLE_SECOND("aa", 300) ", " QL_FIXED("b") ", " QL_SAMPLE_FOURTH("bb", 300)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_8 = QL_KEYS_AND
    QL_FIXED("a") ", " QL_SAMPLE_SECOND("aa", 300) ", " QL_SAMPLE_THIRD("b", 300) ", " QL_FIXED("bb")
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_9 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 300) ", " QL_FIXED("aa") ", " QL_FIXED("b") ", " QL_SAMPLE_FOURTH("bb", 300)
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_10 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 300) ", " QL_SAMPLE_SECOND("aa", 300) ", " QL_FIXED("b") ", " QL_FIXED("bb")
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_11 = QL_KEYS_AND
    QL_SAMPLE_FIRST("a", 300) ", " QL_FIXED("aa") ", " QL_SAMPLE_THIRD("b", 300) ", " QL_FIXED("bb")
    QL_PATTERNS_FOUR;
inline constexpr const char* kGen4_12 = QL_KEYS QL_SELECT_FOUR
    QL_WORD_ONE " a, " QL_WORD_ONE " aa, " QL_WORD_ONE " b, " QL_CYZI_SAMPLE_BY("weight_fourth", 1000) " bb"
    QL_MATCH_FOUR;
inline constexpr const char* kGen4_13 = QL_KEYS QL_SELECT_FOUR
    QL_WORD_ONE " a, " QL_WORD_ONE " aa, " QL_CYZI_SAMPLE_BY("weight_third", 1000) " b, " QL_WORD_ONE " bb"
    QL_MATCH_FOUR;
inline constexpr const char* kGen4_14 = QL_KEYS QL_SELECT_FOUR
    QL_WORD_ONE " a, " QL_CYZI_SAMPLE_BY("weight_second", 1000) " aa, " QL_WORD_ONE " b, " QL_WORD_ONE " bb"
    QL_MATCH_FOUR;
inline constexpr const char* kGen4_15 = QL_KEYS QL_SELECT_FOUR
    QL_CYZI_SAMPLE_BY("weight_first", 1000) " a, " QL_WORD_ONE " aa, " QL_WORD_ONE " b, " QL_WORD_ONE " bb"
    QL_MATCH_FOUR;

#undef QL_KEYS
#undef QL_KEYS_AND
#undef QL_CYZI_SAMPLE
#undef QL_MZ_SAMPLE
#undef QL_WORD_ONE
#undef QL_SAMPLE
#undef QL_SAMPLE_LAST
#undef QL_SAMPLE_FIRST
#undef QL_SAMPLE_SECOND
#undef QL_SAMPLE_THIRD
#undef QL_SAMPLE_FOURTH
#undef QL_CYZI_SAMPLE_BY
#undef QL_FIXED
#undef QL_FIXED_ALL
#undef QL_SELECT_FOUR
#undef QL_MATCH_FOUR
#undef QL_PATTERNS_FOUR
#undef QL_PATTERNS_THREE
// clang-format on

// The wrapping that applies the element conditions to a generation statement:
// kGenFilterHead + statement + kGenFilterTail + the conditions.
inline constexpr const char* kGenFilterHead = "select * from (";
inline constexpr const char* kGenFilterTail = ") dd where 1 = 1 ";
// One element condition: kGenElementHead + the element's name +
// kGenElementTail, for each element the name must hold. The names are the
// program's own five (金 木 水 火 土), never a typed text.
inline constexpr const char* kGenElementHead = " and (wuhang like '%";
inline constexpr const char* kGenElementTail = "%')";

// ---- Parvello.dll: classical sources of a name ------------------------------

// The line of verse in which two characters occur in this order, with its
// title, author and collection and how close the two stand (key: the two
// characters, "关雎").
inline constexpr const char* kVerseOfPair =
    "select v.line, v.title, v.author, v.source, p.gap from verse_pair p, verse v "
    "where p.pair = ? and v.ID = p.line";

// ---- Parvello.dll: registration warnings -----------------------------------

// Every listed word that the text holds (key: the text, bound once): words of
// the state, superlatives, names of administrative divisions, well-known
// marks and the generic words of the trades. The text's substrings are
// enumerated inside the statement and each is looked up on the index of
// mark_word, so a long list costs no scan.
inline constexpr const char* kMarkWordsIn =
    "with recursive n(i) as (select 1 union all select i + 1 from n where i < length(?1)), "
    "part(w) as (select distinct substr(?1, a.i, b.i) from n a, n b "
    "where a.i + b.i <= length(?1) + 1) "
    "select m.word, m.list, m.kind, m.reason, m.info from mark_word m "
    "where m.word in (select w from part) order by m.list, length(m.word) desc, m.rowid";

// Every listed word once: a first test, in memory, of whether a name can
// hold any of them.
inline constexpr const char* kMarkWordList = "select distinct word from mark_word";
// The rows of one listed word (key: the word), with their place in the table.
inline constexpr const char* kMarkWordRows =
    "select word, list, kind, reason, info, rowid from mark_word where word = ?";

// The trade of a suffix: the longest listed trade suffix that ends the text,
// else the longest one the text holds (key: the suffix without its
// organisational words).
inline constexpr const char* kTradeOfSuffix =
    "select suffix, class, class_name, also_names, generic from trade_suffix "
    "where instr(?1, suffix) > 0 "
    "order by substr(?1, -length(suffix)) = suffix desc, length(suffix) desc limit 1";

// ---- Somnette.dll -------------------------------------------------------

// Numerology reading (key: the number modulo 81 in decimal).
inline constexpr const char* kNamefxReading = "select nr from namefx where num = ?";

// The almanac entry of one day (key: the date as yyyy-mm-dd).
inline constexpr const char* kAlmanacDay = "select * from huangdao where gn = ? limit 1";

// The days of a range that favour an activity and do not forbid it, in date
// order (keys: first and last day as yyyy-mm-dd, the activity). The lists are
// blank-separated terms, so the activity is matched as a whole term; a day
// whose entry reads 诸事不宜 forbids every activity.
inline constexpr const char* kAuspiciousDays =
    "select gn, nn, suici, wuhang, cong from huangdao where gn between ?1 and ?2 "
    "and instr(' ' || yi || ' ', ' ' || ?3 || ' ') > 0 "
    "and instr(' ' || ji || ' ', ' ' || ?3 || ' ') = 0 and instr(ji, '诸事不宜') = 0 "
    "order by gn";

// Bone-weight tables (keys: decimal texts).
inline constexpr const char* kBoneYear = "select weight from chenggu1 where year = ?";
inline constexpr const char* kBoneMonth = "select weight from chenggu2 where month2 = ?";
inline constexpr const char* kBoneDay = "select weight from chenggu3 where day2 = ?";
inline constexpr const char* kBoneHour = "select weight from chenggu4 where time = ?";
inline constexpr const char* kBoneReading =
    "select content, content2 from chenggu where weight = ?";

// ---- Gantrel.dll --------------------------------------------------------

// Element of a character: any group whose text holds the character.
inline constexpr const char* kCharElement = "select wh from hzwh where instr(hz, ?) > 0 limit 1";
// Ten god of day stem + judged stem.
inline constexpr const char* kTenGod = "select ShiShen from Shishen where jiazi = ? limit 1";
// Sound element of a stem-branch pair.
inline constexpr const char* kSoundElement = "select layin from jiazi where jiazi = ? limit 1";
// The jie instant falling on one day (keys: year, date yyyy-mm-dd).
inline constexpr const char* kJieOnDay =
    "select SJ from JQ where YearA = ? and JQ in ('立春','惊蛰','清明','立夏','芒种','小暑',"
    "'立秋','白露','寒露','立冬','大雪','小寒') and substr(SJ, 1, 10) = ? limit 1";
// Every jie instant of a range of years, in time order (key: first and last
// year).
inline constexpr const char* kJieOfYears =
    "select YearA, JQ, SJ from JQ where YearA between ? and ? order by SJ";

// ---- Any file --------------------------------------------------------------

// The soundness check of a file: SQLite's quick check answers "ok", and every
// table and column the program reads from the file is there. Each statement
// of the file's list is compiled against it (never run): one that does not
// compile names the table or column that is missing. A statement above that
// reads another table or column of a file adds it to the file's list.
inline constexpr const char* kQuickCheck = "pragma quick_check(1)";
// Whether a file holds a table (key: its name).
inline constexpr const char* kTableExists =
    "select 'ok' from sqlite_master where type = 'table' and name = ? collate nocase";
inline constexpr const char* kParvelloReads[] = {
    "select zi, bh, ft, wuhang from word",
    "select ID, zi, wuhang, ft, bh, weight, weight_last, weight_first, weight_second, "
    "weight_third, weight_fourth from CYZI",
    "select ID, zi, wuhang, ft, bh, bh1, bh2, weight from MZ",
    "select lx, bh11, bh12, bh21, bh22, zf from gz",
    "select zi, grade, meaning from zirating",
    "select zi, pinyin, numbered, initial, final, tone from reading",
    "select sound, word from negsound",
    "select zi, place from tradezi",
    "select zi, kind from partkind",
    "select zi, role from partrole",
    "select ID, line, title, author, source from verse",
    "select pair, line, gap from verse_pair",
    "select pair from verse_word",
    "select word, list, kind, reason, info from mark_word",
    "select suffix, class, class_name, also_names, generic from trade_suffix",
};
inline constexpr const char* kSomnetteReads[] = {
    "select num, nr from namefx",
    "select gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji from huangdao",
    "select year, weight from chenggu1",
    "select month2, weight from chenggu2",
    "select day2, weight from chenggu3",
    "select time, weight from chenggu4",
    "select weight, content, content2 from chenggu",
};
inline constexpr const char* kGantrelReads[] = {
    "select hz, wh from hzwh",
    "select jiazi, ShiShen from Shishen",
    "select jiazi, layin from jiazi",
    "select YearA, JQ, SJ from JQ",
};

}  // namespace quillora::sql

// ---- The reference-data builder ---------------------------------------------
//
// quillora-refdata writes the three files with these statements: the tables
// the statements above read, their rows, the indexes added once the rows are
// in, and the checks that fail the build. Each create table lists the
// columns in the order the inserts below fill them.
namespace quillora::sql::build {

// A new file: no journal, no waiting for the disk, pages of 4 KiB. The rows
// go in within one transaction; the finished file is analysed and compacted.
inline constexpr const char* kJournalOff = "pragma journal_mode = off";
inline constexpr const char* kSynchronousOff = "pragma synchronous = off";
inline constexpr const char* kPageSize = "pragma page_size = 4096";
inline constexpr const char* kBegin = "begin";
inline constexpr const char* kCommit = "commit";
inline constexpr const char* kAnalyze = "analyze";
inline constexpr const char* kVacuum = "vacuum";

// Rows of one table: kCountRowsOf + the table's name (a name of this
// catalogue, never a typed text).
inline constexpr const char* kCountRowsOf = "select count(*) from ";

// ---- Parvello.dll ----

inline constexpr const char* const kParvelloTables[] = {
    "create table word (zi text not null, bh integer not null, ft text not null, "
    "wuhang text not null)",
    "create table CYZI (ID integer primary key, zi text not null, bh integer not null, "
    "ft text not null, wuhang text not null, weight real not null, weight_last real not null, "
    "weight_first real not null, weight_second real not null, weight_third real not null, "
    "weight_fourth real not null)",
    "create table MZ (ID integer primary key, zi text not null, wuhang text not null, "
    "ft text not null, bh integer not null, bh1 integer not null, bh2 integer not null, "
    "weight real not null)",
    "create table zirating (zi text primary key, grade integer not null, meaning text not null) "
    "without rowid",
    "create table reading (zi text primary key, pinyin text not null, numbered text not null, "
    "initial text not null, final text not null, tone integer not null) without rowid",
    "create table negsound (sound text primary key, word text not null) without rowid",
    "create table tradezi (zi text primary key, place integer not null) without rowid",
    "create table partkind (zi text primary key, kind text not null) without rowid",
    "create table partrole (zi text not null, role integer not null, primary key (zi, role)) "
    "without rowid",
    "create table gz (lx integer not null, bh11 integer not null, bh12 integer not null, "
    "bh21 integer not null, bh22 integer not null, zf integer not null)",
};

inline constexpr const char* kInsertWord =
    "insert into word (zi, bh, ft, wuhang) values (?, ?, ?, ?)";
inline constexpr const char* kInsertCyzi =
    "insert into CYZI (ID, zi, bh, ft, wuhang, weight, weight_last, weight_first, weight_second, "
    "weight_third, weight_fourth) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr const char* kInsertMz =
    "insert into MZ (ID, zi, wuhang, ft, bh, bh1, bh2, weight) values (?, ?, ?, ?, ?, ?, ?, ?)";
// tradezi.place: a TradePlace; partrole.role: a PartRole.
// partkind.kind of a name part: 'n' a thing, 'a' a quality, 'v' an action.
inline constexpr const char* kInsertPartKind = "insert into partkind (zi, kind) values (?, ?)";
inline constexpr const char* kInsertPartRole = "insert into partrole (zi, role) values (?, ?)";
inline constexpr const char* kInsertTrade = "insert into tradezi (zi, place) values (?, ?)";
inline constexpr const char* kInsertRating =
    "insert into zirating (zi, grade, meaning) values (?, ?, ?)";
inline constexpr const char* kInsertReading =
    "insert into reading (zi, pinyin, numbered, initial, final, tone) values (?, ?, ?, ?, ?, ?)";
inline constexpr const char* kInsertNegativeSound =
    "insert into negsound (sound, word) values (?, ?)";
inline constexpr const char* kInsertGz =
    "insert into gz (lx, bh11, bh12, bh21, bh22, zf) values (?, ?, ?, ?, ?, ?)";

inline constexpr const char* const kParvelloIndexes[] = {
    "create index word_zi on word (zi)",
    "create index CYZI_bh on CYZI (bh)",
    "create index MZ_bh on MZ (bh1, bh2)",
    "create index gz_key on gz (lx, bh11, bh12, bh21, bh22)",
};

// The checks of a built Parvello.dll: each counts the rows that break a rule,
// so a sound file answers 0.
#define QL_FIVE "('金','木','水','火','土')"
inline constexpr const char* kCyziOutsideWord =
    "select count(*) from CYZI where zi not in (select zi from word)";
inline constexpr const char* kMzOutsideWord =
    "select count(*) from MZ where substr(zi, 1, 1) not in (select zi from word) "
    "or substr(zi, 2, 1) not in (select zi from word)";
inline constexpr const char* kWordStrokesOutOfRange =
    "select count(*) from word where bh < 1 or bh > 64";
inline constexpr const char* kCyziStrokesOutOfRange =
    "select count(*) from CYZI where bh < 1 or bh > 64";
inline constexpr const char* kMzStrokesOutOfRange =
    "select count(*) from MZ where bh1 < 1 or bh1 > 64 or bh2 < 1 or bh2 > 64 "
    "or bh <> bh1 + bh2";
inline constexpr const char* kWordElementUnknown =
    "select count(*) from word where wuhang not in " QL_FIVE;
inline constexpr const char* kCyziElementUnknown =
    "select count(*) from CYZI where wuhang not in " QL_FIVE;
inline constexpr const char* kMzElementUnknown =
    "select count(*) from MZ where length(wuhang) <> 2 or substr(wuhang, 1, 1) not in " QL_FIVE
    " or substr(wuhang, 2, 1) not in " QL_FIVE;
#undef QL_FIVE
// Patterns of one name length (key: the length).
inline constexpr const char* kCountPatterns = "select count(*) from gz where lx = ?";

// ---- Parvello.dll: classical sources and registration warnings ----

// verse: the sentences in the order of the source (ID from 1; the
// anthologies before the complete works). verse_pair: for every two
// characters that occur in order in one line of verse (a clause of a
// sentence), the sentence where they stand closest (gap 0 side by side, 1
// apart), the first such sentence.
inline constexpr const char* const kVerseTables[] = {
    "create table verse (ID integer primary key, line text not null, title text not null, "
    "author text not null, source text not null)",
    "create table verse_pair (pair text primary key, line integer not null, "
    "gap integer not null) without rowid",
};
inline constexpr const char* kInsertVerse =
    "insert into verse (ID, line, title, author, source) values (?, ?, ?, ?, ?)";
inline constexpr const char* kInsertVersePair =
    "insert into verse_pair (pair, line, gap) values (?, ?, ?)";
// verse_word: the pairs of verse_pair whose two characters stand side by
// side and are both in the drawing pool, for the appeal of a name; filled
// once CYZI and verse_pair are in.
inline constexpr const char* kCreateVerseWord =
    "create table verse_word (pair text primary key) without rowid";
inline constexpr const char* kFillVerseWord =
    "insert into verse_word select pair from verse_pair where gap = 0 "
    "and substr(pair, 1, 1) in (select zi from CYZI) "
    "and substr(pair, 2, 1) in (select zi from CYZI)";

// mark_word: one row per listed word. list 1 words of the state (kind: the
// kind of word, reason: why), 2 superlatives (likewise), 3 administrative
// divisions (kind: the level, info: the division's full designation), 4
// well-known marks (kind: the trades, info: "是" for a mark that is also an
// ordinary word), 5 generic words of a trade (kind: the trade suffix).
// trade_suffix: the trade suffixes with their Nice class, the further classes
// by number and name, and the generic words (separated by blanks).
inline constexpr const char* const kRegistrationTables[] = {
    "create table mark_word (word text not null, list integer not null, kind text not null, "
    "reason text not null, info text not null)",
    "create table trade_suffix (suffix text primary key, class integer not null, "
    "class_name text not null, also_names text not null, generic text not null)",
};
inline constexpr const char* kInsertMarkWord =
    "insert into mark_word (word, list, kind, reason, info) values (?, ?, ?, ?, ?)";
inline constexpr const char* kInsertTradeSuffix =
    "insert into trade_suffix (suffix, class, class_name, also_names, generic) "
    "values (?, ?, ?, ?, ?)";
inline constexpr const char* const kRegistrationIndexes[] = {
    "create index mark_word_word on mark_word (word)",
};

// ---- Somnette.dll ----

inline constexpr const char* const kSomnetteTables[] = {
    "create table namefx (num text not null, nr text not null)",
    "create table huangdao (gn text not null, nn text, suici text, tszf text, wuhang text, "
    "cong text, pzbj text, jsyq text, yi text, xsyq text, ji text)",
    "create table chenggu1 (year text not null, weight real not null)",
    "create table chenggu2 (month2 text not null, weight real not null)",
    "create table chenggu3 (day2 text not null, weight real not null)",
    "create table chenggu4 (time text not null, weight real not null)",
    "create table chenggu (weight text not null, content text, content2 text)",
};

inline constexpr const char* kInsertNamefx = "insert into namefx (num, nr) values (?, ?)";
inline constexpr const char* kInsertHuangdao =
    "insert into huangdao (gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji) "
    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr const char* kInsertChenggu1 = "insert into chenggu1 (year, weight) values (?, ?)";
inline constexpr const char* kInsertChenggu2 =
    "insert into chenggu2 (month2, weight) values (?, ?)";
inline constexpr const char* kInsertChenggu3 = "insert into chenggu3 (day2, weight) values (?, ?)";
inline constexpr const char* kInsertChenggu4 = "insert into chenggu4 (time, weight) values (?, ?)";
inline constexpr const char* kInsertChenggu =
    "insert into chenggu (weight, content, content2) values (?, ?, ?)";

inline constexpr const char* const kSomnetteIndexes[] = {
    "create index namefx_num on namefx (num)",
    "create unique index huangdao_gn on huangdao (gn)",
    "create index chenggu1_year on chenggu1 (year)",
    "create index chenggu2_month on chenggu2 (month2)",
    "create index chenggu3_day on chenggu3 (day2)",
    "create index chenggu4_time on chenggu4 (time)",
    "create index chenggu_weight on chenggu (weight)",
};

// ---- Gantrel.dll ----

inline constexpr const char* const kGantrelTables[] = {
    "create table hzwh (hz text not null, wh text not null)",
    "create table Shishen (jiazi text not null, ShiShen text not null)",
    "create table jiazi (jiazi text not null, layin text not null)",
    "create table JQ (YearA integer not null, JQ text not null, SJ text not null)",
};

inline constexpr const char* kInsertHzwh = "insert into hzwh (hz, wh) values (?, ?)";
inline constexpr const char* kInsertShishen = "insert into Shishen (jiazi, ShiShen) values (?, ?)";
inline constexpr const char* kInsertJiazi = "insert into jiazi (jiazi, layin) values (?, ?)";
inline constexpr const char* kInsertJq = "insert into JQ (YearA, JQ, SJ) values (?, ?, ?)";

inline constexpr const char* const kGantrelIndexes[] = {
    "create index Shishen_key on Shishen (jiazi)",
    "create index jiazi_key on jiazi (jiazi)",
    "create index JQ_year on JQ (YearA)",
};

}  // namespace quillora::sql::build
