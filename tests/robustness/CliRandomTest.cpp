// Drives every quillora-cli command with thousands of generated argument
// lines: empty and blank texts, huge texts, every date edge, numbers out of
// range, apostrophes, % and _, SQL fragments, control characters, invalid
// UTF-8, characters GBK cannot encode, emoji, unknown commands and options.
//
// Every run must end by exit() with status 0, 1 or 2 inside its time limit,
// without a sanitizer report; a status of 1 or 2 must come with a message on
// stderr (and a failed check, status 2, prints nothing on stdout) that holds
// no raw control character; and the database files beside the executable
// stay byte-identical. A quarter of the lines are plausible ones with one
// fault put in (an unknown, stray or repeated option, a bad --sex, invalid
// UTF-8, an impossible lunar date, a day outside the lunar table, a month not
// written YYYY-MM): each must be refused with status 2 and a message naming
// the fault.
//
// Repeatable: the draws come from QUILLORA_ROBUSTNESS_SEED (default below);
// QUILLORA_ROBUSTNESS_RUNS sets the number of runs per command. A failure
// prints the command line that reproduces it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "support/CliProcess.h"
#include "support/Files.h"

namespace fs = std::filesystem;
using namespace quillora::test;

namespace {

#ifdef QUILLORA_SANITIZED_BUILD
// The instrumented build looks for memory and undefined-behaviour faults on
// fewer lines: the plain build's 800 a command check every answer, and a
// generate run costs about a second under the sanitizers.
constexpr long long kDefaultRuns = 150;
constexpr double kRunLimitSeconds = 120;
#else
constexpr long long kDefaultRuns = 800;
constexpr double kRunLimitSeconds = 30;
#endif
constexpr unsigned long long kDefaultSeed = 20240210;

const char* const kDatabaseFiles[] = {"Parvello.dll", "Somnette.dll", "Gantrel.dll"};

// ---------------------------------------------------------------------------
// Value pools

const std::vector<std::string> kHostileTexts = {
    "",
    " ",
    "   ",
    "\t",
    "\n",
    "\r\n",
    " \t\r\n\v\f ",
    "'",
    "''",
    "'--",
    "\"",
    "\\",
    "%",
    "%%",
    "_",
    "%_%",
    "_%'",
    "[a-z]",
    "*",
    "?",
    "#2010-05-07#",
    "' OR '1'='1",
    "' or 1=1 --",
    "'; DROP TABLE word; --",
    "1; delete from gz",
    "\" union select name from sqlite_master --",
    "');attach database '/tmp/x.db' as x;--",
    "\x01",
    "\x1b[31m红\x1b[0m",
    "\x7f",
    "a\x02"
    "b\x03"
    "c",
    "\x08\x08\x08",
    "\xff",
    "\xfe\xff",
    "\xc0\x80",
    "\xc3",
    "\xe4\xb8",
    "\xe4\xb8\xad\xe4",
    "\xed\xa0\x80",
    "\xf4\x90\x80\x80",
    "\xf8\x88\x80\x80\x80",
    "\x80\x81\x82",
    "张\xff三",
    "😀",
    "👨‍👩‍👧‍👦",
    "🇨🇳",
    "𠀀",
    "𪚥",
    "ก",
    "한국",
    "ä",
    "e\xcc\x81",
    "€",
    "\xc2\xa0",
    "\xe3\x80\x80",
    "\xef\xbb\xbf",
    "\xe2\x80\x8b",
    "\xe2\x80\xae",
    "Ω",
    "ｱ",
    "１９８０",
    "٣",
    "-",
    "--",
    "---",
    "--year",
    "-h",
    "--help",
    "NaN",
    "inf",
    "-inf",
    "1e9",
    "0x10",
    "1.5",
    "1,000",
    "null",
    "NULL",
    "%s%s%s%n",
    "${HOME}",
    "$(reboot)",
    "`id`",
    "../../etc/passwd",
};

const std::vector<std::string> kNumbers = {
    "-2147483649",
    "-2147483648",
    "-99999",
    "-1",
    "-0",
    "0",
    "00",
    "1",
    "01",
    "001",
    "2",
    "3",
    "9",
    "10",
    "11",
    "12",
    "13",
    "23",
    "24",
    "25",
    "28",
    "29",
    "30",
    "31",
    "32",
    "59",
    "60",
    "61",
    "99",
    "100",
    "1899",
    "1900",
    "1901",
    "1949",
    "1980",
    "2000",
    "2024",
    "2049",
    "2050",
    "2051",
    "2099",
    "2100",
    "2101",
    "9999",
    "10000",
    "65535",
    "2147483647",
    "2147483648",
    "4294967296",
    "9223372036854775807",
    "9223372036854775808",
    "18446744073709551616",
    "99999999999999999999",
    "+1",
    "+12",
    " 5",
    "5 ",
    " 12 ",
    "\t7",
    "1 2",
    "1.0",
    "1e3",
    "0x0C",
    "0b1",
    "0012",
    "１２",
};

const std::vector<std::string> kChineseChars = {
    "张", "三", "金", "木", "水", "火", "土", "王", "李", "龙", "鑫", "森", "淼", "焱", "垚", "一",
    "乙", "丁", "之", "聚", "源", "泰", "华", "宝", "珠", "科", "技", "佳", "德", "仁", "义", "龍",
    "鑫", "巖", "媛", "鵬", "〇", "㐀", "丂", "乂", "兀", "凵", "厶", "囗", "夊", "宀", "屮", "彐"};

const std::vector<std::string> kSuffixes = {"公司", "集团",   "有限公司",     "科技", "珠宝",
                                            "商行", "工作室", "股份有限公司", "酒楼", ""};

// ---------------------------------------------------------------------------
// The generator

class Gen {
  public:
    explicit Gen(unsigned long long seed) : rng_(seed) {}

    std::size_t Below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }
    int Range(int lo, int hi) { return lo + static_cast<int>(Below(hi - lo + 1)); }
    template <class T>
    const T& Pick(const std::vector<T>& v) {
        return v[Below(v.size())];
    }

    // Random bytes of every kind, 0 to maxLen long (never NUL: argv cannot
    // hold it).
    std::string RandomBytes(int maxLen) {
        std::string s;
        const int n = Range(0, maxLen);
        for (int i = 0; i < n; ++i)
            s += static_cast<char>(Range(1, 255));
        return s;
    }

    // A valid UTF-8 text of random code points of every plane.
    std::string RandomUnicode(int maxLen) {
        std::string s;
        const int n = Range(0, maxLen);
        for (int i = 0; i < n; ++i) {
            char32_t cp = 0;
            switch (Below(5)) {
                case 0:
                    cp = static_cast<char32_t>(Range(1, 0x7f));
                    break;
                case 1:
                    cp = static_cast<char32_t>(Range(0x80, 0x7ff));
                    break;
                case 2:
                    cp = static_cast<char32_t>(Range(0x4e00, 0x9fff));
                    break;
                case 3:
                    cp = static_cast<char32_t>(Range(0x800, 0xffff));
                    break;
                default:
                    cp = static_cast<char32_t>(Range(0x10000, 0x10ffff));
                    break;
            }
            if (cp >= 0xd800 && cp <= 0xdfff)
                cp = 0x3007;
            Utf8(s, cp);
        }
        return s;
    }

    // A huge text (up to the 128 KiB a single argument may hold).
    std::string Huge() {
        switch (Below(5)) {
            case 0:
                return std::string(static_cast<std::size_t>(Range(1000, 120000)), 'a');
            case 1: {
                std::string s;
                const int n = Range(500, 40000);
                for (int i = 0; i < n; ++i)
                    s += Pick(kChineseChars);
                return s;
            }
            case 2:
                return std::string(static_cast<std::size_t>(Range(1000, 100000)), '\'');
            case 3:
                return std::string(static_cast<std::size_t>(Range(1000, 100000)), '9');
            default: {
                std::string s;
                while (s.size() < 60000)
                    s += Pick(kHostileTexts);
                return s;
            }
        }
    }

    // Any hostile value: from the pools, random bytes, random Unicode, huge,
    // or a mixture.
    std::string Hostile() {
        switch (Below(10)) {
            case 0:
            case 1:
            case 2:
                return Pick(kHostileTexts);
            case 3:
                return Pick(kNumbers);
            case 4:
                return RandomBytes(12);
            case 5:
                return RandomUnicode(8);
            case 6:
                return Chance(30) ? Huge() : RandomUnicode(40);
            case 7:
                return Pick(kHostileTexts) + Pick(kChineseChars) + Pick(kHostileTexts);
            case 8:
                return Pick(kNumbers) + Pick(kHostileTexts);
            default:
                return Pick(kChineseChars) + Pick(kNumbers);
        }
    }

    // How hostile the next command line is: a quarter of the lines hold only
    // plausible values (most of them pass every check and run the command to
    // its end), a quarter a rare hostile value, a quarter many; the last
    // quarter are plausible lines with one fault the command must refuse
    // (Refuse).
    void NextLine() {
        refuse_ = false;
        switch (Below(4)) {
            case 0:
                hostile_ = 0, omit_ = 0, noise_ = false;
                break;
            case 1:
                hostile_ = 4, omit_ = 2, noise_ = false;
                break;
            case 2:
                hostile_ = 25, omit_ = 8, noise_ = true;
                break;
            default:
                hostile_ = 0, omit_ = 0, noise_ = false, refuse_ = true;
                break;
        }
    }
    bool RefusalLine() const { return refuse_; }

    // Puts one fault into a plausible line of the command and returns what
    // the message must say, or "" when the command has no such fault.
    std::string Refuse(std::vector<std::string>& args, const std::string& command) {
        if (command == "unknown" || args.empty())
            return "";
        const bool birth = command == "bazi" || command == "analyse" || command == "generate";
        switch (Below(birth ? 5 : 7)) {
            case 0:
                args.push_back("--" + Pick(std::vector<std::string>{"yaer", "Year", "名字", "\xff",
                                                                    "year ", "-year", "x"}));
                args.push_back(Pick(kNumbers));
                return "unknown option '--";
            case 1:
                // Two: a command taking one positional value may lack it.
                args.push_back(Pick(std::vector<std::string>{"stray", "1999-01-01", "-", "--"}));
                args.push_back(Pick(kChineseChars));
                return "unexpected argument";
            case 2: {
                const std::size_t at = OptionAt(args);
                if (at == 0)
                    return Refuse(args, command);
                args.push_back(args[at]);
                if (args[at] != "--leap")
                    args.push_back(args[at + 1]);
                return "is given twice";
            }
            case 3: {
                static const std::vector<std::string> kInvalid = {"\xff",
                                                                  "张\xff三",
                                                                  "\xc3",
                                                                  "\xe4\xb8",
                                                                  "\xed\xa0\x80",
                                                                  "\xc0\x80",
                                                                  "\xf8\x88\x80\x80\x80",
                                                                  "金\x80"};
                std::size_t at = OptionAt(args);
                if (at != 0 && args[at] != "--leap" && args[at] != "--output")
                    args[at + 1] = Pick(kInvalid);
                else if (args.size() > 1 && args[1].rfind("--", 0) != 0)
                    args[1] = Pick(kInvalid) + args[1];
                else
                    return Refuse(args, command);
                return "not valid UTF-8";
            }
            case 4:
                if (birth) {
                    SetOption(args, "--sex",
                              Pick(std::vector<std::string>{"male", "M", "", "男女", "Female",
                                                            " 男 ", "女 ", "nan"}));
                    return "--sex takes 男 or 女";
                }
                [[fallthrough]];
            default:
                return RefuseValue(args, command);
        }
    }

    // A value of an option: mostly plausible for its kind, sometimes hostile.
    std::string Value(const std::function<std::string()>& plausible) {
        return Chance(hostile_) ? Hostile() : plausible();
    }

    std::string Name() {
        std::string s;
        const int n = Range(1, 4);
        for (int i = 0; i < n; ++i)
            s += Pick(kChineseChars);
        if (Chance(10))
            s = " " + s + " ";
        return s;
    }
    // An edge value now and then: rarely on plausible lines, often else.
    bool Edge() { return !refuse_ && Chance(hostile_ == 0 ? 3 : hostile_ < 10 ? 8 : 30); }

    std::string Year() {
        if (Edge())
            return Chance(50) ? std::to_string(Range(1899, 2101)) : Pick(kNumbers);
        return std::to_string(Range(1900, 2100));
    }
    std::string Month() {
        if (Edge())
            return Chance(50) ? std::to_string(Range(0, 13)) : Pick(kNumbers);
        const int m = Range(1, 12);
        return Chance(30) && m < 10 ? "0" + std::to_string(m) : std::to_string(m);
    }
    std::string Day() {
        if (Edge())
            return Chance(50) ? std::to_string(Range(0, 32)) : Pick(kNumbers);
        const int d = Range(1, Chance(80) ? 28 : 31);
        return Chance(30) && d < 10 ? "0" + std::to_string(d) : std::to_string(d);
    }
    std::string Hour() {
        static const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                                "午", "未", "申", "酉", "戌", "亥"};
        if (Edge())
            return Chance(50) ? std::to_string(Range(-1, 24)) : Pick(kNumbers);
        const int h = Range(0, 23);
        if (Chance(30))
            return std::string(kBranches[((h + 1) / 2) % 12]) + " " + std::to_string(h);
        return std::to_string(h);
    }
    std::string Minute() {
        if (Edge())
            return Chance(50) ? std::to_string(Range(-1, 60)) : Pick(kNumbers);
        return std::to_string(Range(0, 59));
    }
    std::string Sex() {
        static const std::vector<std::string> k = {" 男 ", "M", "", "男女", "Female"};
        if (Edge())
            return Pick(k);
        return Chance(50) ? "男" : "女";
    }
    std::string Calendar() {
        static const std::vector<std::string> k = {"阴历", "", "gongli", "公历 "};
        if (Edge())
            return Pick(k);
        return Chance(70) ? "公历" : "农历";
    }
    // A date text in the short format, around every edge of the program's
    // range and of the calendar.
    std::string DateText() {
        static const std::vector<std::string> k = {
            "1899-12-30",  "1899-12-31",  "1900-01-01",    "1900-01-30",   "1900-01-31",
            "1900-02-29",  "1901-02-19",  "1904-02-29",    "2000-02-29",   "2023-02-29",
            "2024-02-29",  "2024-02-30",  "2024-04-31",    "2024-13-01",   "2024-00-10",
            "2024-01-00",  "2024-1-1",    "2024-01-1",     "0001-01-01",   "9999-12-31",
            "10000-01-01", "2100-12-31",  "2101-01-01",    "2050-12-31",   "2051-01-01",
            "-2024-01-01", "2024--01-01", "2024-01-01-01", "2024/01/01",   "20240101",
            "2024-01",     "2024",        " 2024-02-10 ",  "2024-02-10\n", "２０２４-０２-１０",
            "2024-2-10x"};
        if (Chance(40))
            return Pick(k);
        return Year() + "-" + Month() + "-" + Day();
    }

    // Adds "--name value" (or leaves the option out, or its value).
    void Option(std::vector<std::string>& args, const std::string& name,
                const std::function<std::string()>& plausible, int omitPercent = -1) {
        if (Chance(omitPercent < 0 ? omit_ : omitPercent))
            return;
        args.push_back("--" + name);
        args.push_back(Value(plausible));
    }

    // Noise that any command line may carry: unknown options, stray
    // positional values, a repeated option, a trailing option without value.
    void Noise(std::vector<std::string>& args) {
        if (!noise_)
            return;
        if (Chance(6)) {
            args.push_back("--" + Pick(std::vector<std::string>{"bogus", "Year", "year ", "", "-",
                                                                "名字", "\xff", "leap"}));
            args.push_back(Hostile());
        }
        if (Chance(5))
            args.insert(args.begin() + static_cast<long>(Below(args.size() + 1)), Hostile());
        if (Chance(4) && args.size() >= 2) {
            const std::size_t i = Below(args.size() - 1);
            if (args[i].rfind("--", 0) == 0) {
                args.push_back(args[i]);
                args.push_back(Hostile());
            }
        }
        if (Chance(3))
            args.push_back("--" + Pick(std::vector<std::string>{"year", "month", "name", "x"}));
        if (Chance(2))
            args.push_back("--help");
    }

    void Birth(std::vector<std::string>& args, bool surnameAndGiven) {
        if (surnameAndGiven) {
            Option(args, "surname", [this] { return Pick(kChineseChars); });
            Option(args, "given", [this] { return Name(); });
        } else {
            Option(args, "name", [this] { return Name(); });
        }
        Option(args, "sex", [this] { return Sex(); });
        Option(args, "calendar", [this] { return Calendar(); });
        Option(args, "year", [this] { return Year(); });
        Option(args, "month", [this] { return Month(); });
        Option(args, "day", [this] { return Day(); });
        Option(args, "hour", [this] { return Hour(); });
        Option(args, "minute", [this] { return Minute(); });
    }

    std::vector<std::string> Bazi() {
        std::vector<std::string> args{"bazi"};
        Birth(args, true);
        Noise(args);
        return args;
    }

    std::vector<std::string> Analyse() {
        std::vector<std::string> args{"analyse"};
        Birth(args, false);
        Option(args, "main", [this] { return Name(); });
        Option(
            args, "suffix", [this] { return Pick(kSuffixes); }, 30);
        Option(
            args, "prefix", [this] { return Name(); }, 60);
        Noise(args);
        return args;
    }

    std::vector<std::string> Generate(const std::string& outputDir) {
        std::vector<std::string> args{"generate"};
        Birth(args, false);
        Option(args, "length", [this] {
            return Edge() ? Pick(std::vector<std::string>{"1", "5", "0", " 3", "３", "2 "})
                          : Pick(std::vector<std::string>{"2", "3", "4"});
        });
        for (int i = 1; i <= 4; ++i) {
            Option(
                args, "fixed" + std::to_string(i),
                [this] { return Chance(85) ? Pick(kChineseChars) : std::string(" "); }, 75);
        }
        Option(
            args, "suffix", [this] { return Pick(kSuffixes); }, 40);
        Option(
            args, "prefix", [this] { return Name(); }, 70);
        Option(
            args, "seed",
            [this] { return Edge() ? Pick(kNumbers) : std::to_string(Range(0, 1000000)); }, 30);
        // Pages stay few: every page is 200 more rows, and a run of many
        // thousands of pages is a long run, not a fault.
        Option(
            args, "pages",
            [this] {
                return Edge() ? Pick(std::vector<std::string>{"0", "-1", "", "x", "2.5",
                                                              "99999999999999999999"})
                              : std::to_string(Range(1, 3));
            },
            60);
        Option(
            args, "format",
            [this] {
                return Edge() ? Pick(std::vector<std::string>{"TSV", "pdf", ""})
                              : Pick(std::vector<std::string>{"tsv", "csv", "xlsx"});
            },
            50);
        // Files only ever go to the test's own folder.
        if (Chance(40)) {
            static const std::vector<std::string> kFiles = {
                "out.tsv",
                "名单.csv",
                "o'ut %_.xlsx",
                "😀.tsv",
                "missing-folder/out.tsv",
                "",
                ".",
                "long" + std::string(300, 'x') + ".tsv"};
            args.push_back("--output");
            args.push_back(outputDir + "/" + Pick(kFiles));
        }
        Noise(args);
        return args;
    }

    std::vector<std::string> Almanac() {
        std::vector<std::string> args{"almanac"};
        Option(args, "year", [this] { return Year(); });
        Option(args, "month", [this] { return Month(); });
        Option(args, "day", [this] { return Day(); });
        Noise(args);
        return args;
    }

    std::vector<std::string> Lunar() {
        std::vector<std::string> args{"lunar"};
        if (!Chance(5))
            args.push_back(Value([this] { return DateText(); }));
        Noise(args);
        return args;
    }

    std::vector<std::string> Solar() {
        std::vector<std::string> args{"solar"};
        Option(args, "year", [this] { return Year(); });
        Option(args, "month", [this] { return Month(); });
        Option(args, "day", [this] { return Day(); });
        if (Chance(30))
            args.push_back("--leap");
        Noise(args);
        return args;
    }

    std::vector<std::string> Month_() {
        std::vector<std::string> args{"month"};
        if (!Chance(5)) {
            args.push_back(
                Value([this] { return Chance(80) ? Year() + "-" + Month() : DateText(); }));
        }
        Option(
            args, "day", [this] { return Day(); }, 50);
        Noise(args);
        return args;
    }

    std::vector<std::string> Terms() {
        std::vector<std::string> args{"terms"};
        if (!Chance(5))
            args.push_back(Value([this] { return Year(); }));
        Noise(args);
        return args;
    }

    // An unknown or malformed command, or none at all.
    std::vector<std::string> Unknown() {
        std::vector<std::string> args;
        switch (Below(6)) {
            case 0:
                break;
            case 1:
                args.push_back(Hostile());
                break;
            case 2:
                args.push_back(Pick(std::vector<std::string>{"BAZI", "bazi ", "analyze", "gen",
                                                             "--year", "-", "help", "-h"}));
                break;
            default:
                args.push_back(RandomUnicode(6));
                break;
        }
        const int extra = Range(0, 4);
        for (int i = 0; i < extra; ++i)
            args.push_back(Chance(50) ? "--" + RandomUnicode(4) : Hostile());
        return args;
    }

  private:
    // The index of a random option of the line ("--name"), or 0 for none.
    std::size_t OptionAt(const std::vector<std::string>& args) {
        std::vector<std::size_t> at;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i].rfind("--", 0) == 0 && (args[i] == "--leap" || i + 1 < args.size()))
                at.push_back(i);
        }
        return at.empty() ? 0 : at[Below(at.size())];
    }

    // Sets an option's value, adding the option when the line lacks it.
    static void SetOption(std::vector<std::string>& args, const std::string& option,
                          const std::string& value) {
        for (std::size_t i = 1; i + 1 < args.size(); ++i) {
            if (args[i] == option) {
                args[i + 1] = value;
                return;
            }
        }
        args.push_back(option);
        args.push_back(value);
    }

    // A value the calendar commands cannot answer: a lunar date that does not
    // exist, a day outside the lunar table, a month not in the form YYYY-MM.
    std::string RefuseValue(std::vector<std::string>& args, const std::string& command) {
        if (command == "solar") {
            args = {"solar",
                    "--year",
                    std::to_string(Range(1901, 2099)),
                    "--month",
                    std::to_string(Range(1, 12)),
                    "--day",
                    std::to_string(Range(1, 29))};
            switch (Below(4)) {
                case 0:
                    args[2] = Pick(std::vector<std::string>{"1900", "2100", "1899", "2101", "0",
                                                            "-2147483648", "2147483647"});
                    return "the lunar year must lie between 1901 and 2099";
                case 1:
                    args[4] = Pick(std::vector<std::string>{"0", "13", "-1", "-2147483648"});
                    return "the lunar month must lie between 1 and 12";
                case 2:
                    args[6] = Pick(std::vector<std::string>{"0", "31", "32", "-1", "-2147483648",
                                                            "2147483647"});
                    return "the day must lie between 1 and";
                default:
                    // No year of 1901 to 2099 has a leap month after
                    // month 1 or month 12.
                    args.push_back("--leap");
                    args[4] = Chance(50) ? "12" : "1";
                    return "leap month";
            }
        }
        if (command == "lunar") {
            args = {"lunar",
                    Chance(50)
                        ? Pick(std::vector<std::string>{"1900-01-30", "1899-12-31", "2101-01-01",
                                                        "0001-01-01", "9999-12-31", "1900-01-01"})
                        : std::to_string(Chance(50) ? Range(1000, 1899) : Range(2101, 9999)) +
                              "-0" + std::to_string(Range(1, 9)) + "-1" +
                              std::to_string(Range(0, 9))};
            return "the lunar calendar covers 1900-01-31 to 2100-12-31";
        }
        if (command == "month") {
            args = {"month", Pick(std::vector<std::string>{"2020-02-01", "2020", "2020/02",
                                                           "+2020-02", "2020-002", "20-02",
                                                           "2020-02-", "-2020-02", "2020-+2"})};
            return "give it as YYYY-MM";
        }
        args.push_back("--" + Pick(std::vector<std::string>{"bogus", "Leap", "yr"}));
        args.push_back(Pick(kNumbers));
        return "unknown option '--";
    }

    static void Utf8(std::string& s, char32_t cp) {
        if (cp < 0x80) {
            s += static_cast<char>(cp);
        } else if (cp < 0x800) {
            s += static_cast<char>(0xc0 | (cp >> 6));
            s += static_cast<char>(0x80 | (cp & 0x3f));
        } else if (cp < 0x10000) {
            s += static_cast<char>(0xe0 | (cp >> 12));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
            s += static_cast<char>(0x80 | (cp & 0x3f));
        } else {
            s += static_cast<char>(0xf0 | (cp >> 18));
            s += static_cast<char>(0x80 | ((cp >> 12) & 0x3f));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
            s += static_cast<char>(0x80 | (cp & 0x3f));
        }
    }

    std::mt19937_64 rng_;
    int hostile_ = 25;
    int omit_ = 8;
    bool noise_ = true;
    bool refuse_ = false;
};

// ---------------------------------------------------------------------------

struct CommandCase {
    const char* name;
    std::function<std::vector<std::string>(Gen&, const std::string& outputDir)> make;
};

// Names the case in test listings (instead of its bytes).
void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<CommandCase>& info) {
    return info.param.name;
}

class CliRandom : public testing::TestWithParam<CommandCase> {
  protected:
    static std::map<std::string, std::string> Fingerprints() {
        std::map<std::string, std::string> prints;
        for (const char* file : kDatabaseFiles)
            prints[file] = FileFingerprint(BinDirectory() + file);
        return prints;
    }

    // Side files SQLite would leave if it ever wrote beside a database.
    static std::vector<std::string> SideFiles() {
        std::vector<std::string> found;
        for (const char* file : kDatabaseFiles) {
            for (const char* tail : {"-journal", "-wal", "-shm"}) {
                const std::string path = BinDirectory() + file + tail;
                if (fs::exists(path))
                    found.push_back(path);
            }
        }
        return found;
    }
};

TEST_P(CliRandom, EveryRunEndsWithAKnownStatusAndLeavesTheDatabasesAlone) {
    const CommandCase& c = GetParam();
    const std::string cli = CliPath();
    ASSERT_TRUE(fs::exists(cli)) << cli;

    const unsigned long long baseSeed =
        static_cast<unsigned long long>(EnvNumber("QUILLORA_ROBUSTNESS_SEED", kDefaultSeed));
    const long long runs = EnvNumber("QUILLORA_ROBUSTNESS_RUNS", kDefaultRuns);
    // Each command draws from its own stream, so one command's runs do not
    // depend on how many another one made.
    unsigned long long seed = baseSeed;
    for (const char* p = c.name; *p != '\0'; ++p)
        seed = seed * 131 + static_cast<unsigned char>(*p);
    Gen gen(seed);

    const fs::path outputDir =
        fs::temp_directory_path() /
        ("quillora-random-" + std::string(c.name) + "-" + std::to_string(::getpid()));
    fs::create_directories(outputDir);

    const auto before = Fingerprints();
    std::map<int, int> statuses;
    int refused[2] = {0, 0};  // lines without and with a fault put in
    double slowest = 0;
    int failures = 0;
    for (long long i = 0; i < runs && failures < 10; ++i) {
        gen.NextLine();
        std::vector<std::string> args = c.make(gen, outputDir.string());
        const std::string refusal = gen.RefusalLine() ? gen.Refuse(args, c.name) : "";
        const CliResult r = RunProgram(cli, args, kRunLimitSeconds);
        const std::string line = ShellLine(cli, args);
        slowest = std::max(slowest, r.seconds);
        const auto fail = [&](const std::string& what) {
            ++failures;
            ADD_FAILURE() << what << "\n  run " << i << " (seed " << baseSeed << ")\n  " << line
                          << "\n  stdout: " << r.out.substr(0, 400)
                          << "\n  stderr: " << r.err.substr(0, 2000);
        };
        if (r.timedOut) {
            fail("ran past " + std::to_string(kRunLimitSeconds) + " s");
            continue;
        }
        if (!r.exited) {
            fail("ended by signal " + std::to_string(r.signal));
            continue;
        }
        ++statuses[r.status];
        if (r.status != 0 && r.status != 1 && r.status != 2)
            fail("exit status " + std::to_string(r.status));
        if (HasSanitizerReport(r.err) || r.err.find("terminate called") != std::string::npos)
            fail("sanitizer report or escaped exception");
        if (r.status != 0 && r.err.find_first_not_of(" \t\r\n") == std::string::npos)
            fail("status " + std::to_string(r.status) + " without a message on stderr");
        if (r.status == 2 && !r.out.empty())
            fail("a failed check also printed on stdout");
        if (r.status == 0 && r.err.find_first_not_of(" \t\r\n") != std::string::npos)
            fail("status 0 with a message on stderr");
        if (!refusal.empty() && (r.status != 2 || r.err.find(refusal) == std::string::npos))
            fail("not refused with a message saying \"" + refusal + "\"");
        // Messages quote input with its control characters escaped.
        for (const char ch : r.err) {
            const auto b = static_cast<unsigned char>(ch);
            if ((b < 0x20 && b != '\n' && b != '\t') || b == 0x7f) {
                fail("a raw control character (" + std::to_string(b) + ") on stderr");
                break;
            }
        }
        ++refused[refusal.empty() ? 0 : 1];
    }
    std::error_code ec;
    fs::remove_all(outputDir, ec);

    EXPECT_EQ(Fingerprints(), before) << "a database file changed";
    EXPECT_EQ(SideFiles(), std::vector<std::string>{});

    std::string summary;
    for (const auto& [status, count] : statuses)
        summary += " status " + std::to_string(status) + ": " + std::to_string(count);
    std::printf("%s: %lld runs (seed %llu):%s; %d with a fault to refuse; slowest %.2f s\n", c.name,
                runs, baseSeed, summary.c_str(), refused[1], slowest);
}

const CommandCase kCases[] = {
    {"bazi", [](Gen& g, const std::string&) { return g.Bazi(); }},
    {"analyse", [](Gen& g, const std::string&) { return g.Analyse(); }},
    {"generate", [](Gen& g, const std::string& dir) { return g.Generate(dir); }},
    {"almanac", [](Gen& g, const std::string&) { return g.Almanac(); }},
    {"lunar", [](Gen& g, const std::string&) { return g.Lunar(); }},
    {"solar", [](Gen& g, const std::string&) { return g.Solar(); }},
    {"month", [](Gen& g, const std::string&) { return g.Month_(); }},
    {"terms", [](Gen& g, const std::string&) { return g.Terms(); }},
    {"unknown", [](Gen& g, const std::string&) { return g.Unknown(); }},
};

INSTANTIATE_TEST_SUITE_P(Commands, CliRandom, testing::ValuesIn(kCases), CaseName);

}  // namespace
