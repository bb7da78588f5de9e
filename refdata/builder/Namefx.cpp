// "Somnette.dll": the numerology readings (namefx), one per number 0..80.
#include <cstdio>
#include <set>
#include <string>

#include "Builder.h"
#include "common/Text.h"
#include "naming/Numerology.h"

namespace quillora::refdata {

namespace {

constexpr int kLastNumber = 80;
constexpr std::size_t kMinTextChars = 60;
constexpr std::size_t kMaxTextChars = 150;

// The luck words a reading may carry for its number: the first set of lucky
// numbers reads 大吉 or 吉, the second 半吉, every other number 凶 or 大凶.
bool LuckAgrees(int number, const std::string& luck) {
    if (InFirstBonusSet(number))
        return luck == "大吉" || luck == "吉";
    if (InSecondBonusSet(number))
        return luck == "半吉";
    return luck == "凶" || luck == "大凶";
}

}  // namespace

// namefx.tsv holds num, title, luck and text. The reading is
// "title（luck）：text". Number 0 means that no character of a name was found,
// so it has no luck and reads "title：text".
void FillNamefx(BuildDb& db, const BuildContext& ctx) {
    const Tsv tsv = ReadTsv(ctx.sourceDir / "namefx" / "namefx.tsv");
    const int cNum = tsv.Column("num"), cTitle = tsv.Column("title"), cLuck = tsv.Column("luck"),
              cText = tsv.Column("text");
    std::set<int> numbers;
    BuildDb::Inserter insert(db, sql::build::kInsertNamefx);
    for (const auto& row : tsv.rows) {
        const std::string& num = row.at(cNum);
        const std::string& title = row.at(cTitle);
        const std::string& luck = row.at(cLuck);
        const std::string& text = row.at(cText);
        int number = -1;
        if (!num.empty() && num.size() <= 2 && num.find_first_not_of("0123456789") == num.npos &&
            (num.size() == 1 || num[0] != '0')) {
            number = std::stoi(num);
        }
        if (number < 0 || number > kLastNumber) {
            BuildFailure("namefx.tsv: '" + num + "' is not a number 0..80 without leading zeros");
        }
        if (!numbers.insert(number).second)
            BuildFailure("namefx.tsv: " + num + " twice");
        if (title.empty())
            BuildFailure("namefx.tsv: " + num + " has no title");
        const std::size_t chars = CharCount(text);
        if (chars < kMinTextChars || chars > kMaxTextChars) {
            BuildFailure("namefx.tsv: the text of " + num + " has " + std::to_string(chars) +
                         " characters, not 60..150");
        }
        std::string nr;
        if (number == 0) {
            if (!luck.empty())
                BuildFailure("namefx.tsv: 0 carries no luck");
            nr = title + "：" + text;
        } else {
            if (!LuckAgrees(number, luck)) {
                BuildFailure("namefx.tsv: " + num + " reads '" + luck +
                             "', which does not agree with its lucky-number set");
            }
            nr = title + "（" + luck + "）：" + text;
        }
        insert.Row({num, nr});
    }
    if (numbers.size() != kLastNumber + 1) {
        BuildFailure("namefx.tsv: " + std::to_string(numbers.size()) +
                     " readings, every number 0..80 needs one");
    }
    std::printf("  namefx: %zu readings\n", numbers.size());
}

}  // namespace quillora::refdata
