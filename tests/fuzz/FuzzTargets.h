// The bodies of the fuzz targets. libFuzzer calls them through the drivers
// in this folder (built with -DQUILLORA_FUZZ=ON and clang); the normal test
// suite replays the inputs kept under regressions/ through the same bodies,
// so a crash once found stays fixed under any compiler.
//
// Each body feeds the input to the readers and checks properties that must
// hold for every input; a broken property aborts with a message.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quillora::fuzz {

// The text helpers and the GBK codec: Trim, SplitChars, CharCount,
// LeftChars, IsValidUtf8, GbkByteLength, Utf8ToGbk, GbkToUtf8,
// PercentEncode, ToCrlf, GbkBytesOf.
void FuzzText(const std::uint8_t* data, std::size_t size);

// The readers of typed numbers and dates: ParseInt, TryParseInt, ParseDate,
// TryParseDate, HourItemOf.
void FuzzDateReaders(const std::uint8_t* data, std::size_t size);

// ReadBirthRecord over entries cut from the input (fields split at NUL
// bytes), and BirthSummaryLines of every record it yields.
void FuzzBirthRecord(const std::uint8_t* data, std::size_t size);

// Dispatches on the first byte to one of the bodies above (the single
// target the drivers and the replay test use).
void FuzzAll(const std::uint8_t* data, std::size_t size);

}  // namespace quillora::fuzz
