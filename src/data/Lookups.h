// Small lookups that several pages share: the Western star sign of a date,
// the element of a character, the ten god of a stem against the day stem, the
// sound element (nayin) of a stem-branch pair, the element count of a chart
// and the bone-weight reading.
//
// The database lookups open their own transient query object for each call
// and close it before returning; nothing is cached. Inside a ConnectionScope
// (a whole report) their query objects share the scope's connection.
#pragma once

#include <string>
#include <string_view>

#include "common/DateValue.h"

namespace quillora {

// Whether "Gantrel.dll" can serve its lookups: it opens, passes SQLite's
// quick check and holds every table and column the program reads from it
// (hzwh, Shishen, jiazi and JQ), with no journal of an unfinished write beside
// it. The lookups below and the
// jie lookups of the chart answer empty for a statement that fails on a sound
// file; when the file is missing or damaged they throw the DbError that names
// it, so a report is never written from an unreadable file.
bool GantrelFileIsSound();

// Star sign of a date ("摩羯座" ... "射手座"; "金牛座 " keeps its trailing
// blank). Only the date part counts: a time of day never loses the sign.
std::string ConstellationOf(DateValue date);

// Element (金 木 水 火 土) of one character from table hzwh of "Gantrel.dll";
// the empty text when no group holds it or the statement fails on a sound
// file.
std::string CharElementOf(std::string_view character);

// Ten-god name of the day stem followed by the judged stem (two characters);
// the empty text when the table lacks the key or the statement fails on a
// sound file.
std::string TenGodOf(std::string_view key);

// Sound element of a stem-branch pair (two characters); the empty text when
// the table lacks the pair or the statement fails on a sound file.
std::string SoundElementOf(std::string_view pair);

// Counts the elements of a chart's "五行" text (year stem and branch, three
// blanks, month, three blanks, day, three blanks, hour) at their fixed
// places and writes "金:占n个, 木:占n个, 水:占n个, 火:占n个, 土:占n个".
// The places are GBK byte positions 1, 3, 8, 10, 15, 17, 22, 24 mapped onto
// characters (a Chinese character takes two bytes, an ASCII character one):
// when an element is missing, later elements fall where the bytes fall.
std::string ElementCountText(std::string_view elements);

// Weight key of a bone-weight sum: the sum's shortest decimal text (up to 15
// significant digits), its first byte and its third byte ("4.3" -> "43");
// a text of one byte is followed by "0" ("5" -> "50").
std::string BoneWeightKey(double sum);

// One line of the bone-weight reading for a lunar year, month, day and clock
// hour (decimal texts). Mode 0 gives "你的骨重为：4两3钱", mode 1 the verse
// ("骨重诗评：..."), mode 2 its explanation ("骨重解评：..."); another mode,
// or a weight without a reading, gives the empty text. A missing year, month,
// day or hour row adds nothing to the sum. A statement that fails throws
// DbError naming "Somnette.dll" and the engine's message.
std::string BoneWeightLine(std::string_view year, std::string_view month, std::string_view day,
                           std::string_view hour, int mode);

}  // namespace quillora
