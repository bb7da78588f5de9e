// The statement catalogue: every SQL text the program issues, in SQLite's
// dialect, with "?" for every key (bound, never spliced into the text).
//
// The statements only read; nothing is inserted, updated or deleted. Random
// draws order by rnd(ID), the program's seedable generator registered on
// every connection.
#pragma once

namespace quillora::sql {

// ---- Parvello.dll -------------------------------------------------------

// Stroke count and traditional form of one character (key: the character).
inline constexpr const char* kWordStrokes = "select bh from word where zi = ?";
inline constexpr const char* kWordTraditional = "select ft from word where zi = ?";
inline constexpr const char* kWordElement = "select wuhang from word where zi = ?";

// ---- Somnette.dll -------------------------------------------------------

// Numerology reading (key: the number modulo 81 in decimal).
inline constexpr const char* kNamefxReading = "select nr from namefx where num = ?";

// The almanac entry of one day (key: the date as yyyy-mm-dd).
inline constexpr const char* kAlmanacDay = "select * from huangdao where gn = ? limit 1";

// Bone-weight tables (keys: decimal texts).
inline constexpr const char* kBoneYear = "select weight from chenggu1 where year = ?";
inline constexpr const char* kBoneMonth = "select weight from chenggu2 where month2 = ?";
inline constexpr const char* kBoneDay = "select weight from chenggu3 where day2 = ?";
inline constexpr const char* kBoneHour = "select weight from chenggu4 where time = ?";
inline constexpr const char* kBoneReading =
    "select content, content2 from chenggu where weight = ?";

// ---- Gantrel.dll --------------------------------------------------------

// Element of a character: any group whose text holds the character.
inline constexpr const char* kCharElement =
    "select wh from hzwh where instr(hz, ?) > 0 limit 1";
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

}  // namespace quillora::sql
