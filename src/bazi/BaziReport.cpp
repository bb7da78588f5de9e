#include "bazi/BaziReport.h"

#include "bazi/ChartSummary.h"
#include "bazi/FavourableElement.h"
#include "calendar/LunarCalendar.h"
#include "common/Text.h"
#include "data/Lookups.h"
#include "data/QueryObject.h"

namespace quillora {

namespace {

const std::string kThree = "   ";
const std::string kSix(6, ' ');
const std::string kSeven(7, ' ');
const std::string kThirteen(13, ' ');

// The i-th character of a hidden-stem text (0-based), or "".
std::string HiddenAt(const std::string& hidden, std::size_t i) {
    const std::vector<std::string> chars = SplitChars(hidden);
    return i < chars.size() ? chars[i] : std::string();
}

}  // namespace

std::string YearPairOf(int year) {
    return LeftChars(Trim(YearCycleName(year - 1864)), 2);
}

std::string AgeText(int age) {
    return (age < 10 ? "0" : "") + std::to_string(age) + "岁";
}

std::string LuckAgesLine(int n) {
    std::string line = kSix + (n == 1 ? std::string("0-1岁") : "1-" + std::to_string(n - 1) + "岁");
    for (int k = 0; k <= 8; ++k)
        line += kThree + std::to_string(n + 10 * k) + "岁";
    return line;
}

std::optional<std::vector<std::string>> BaziReportLines(const BirthRecord& record) {
    // The chart's and the report's lookups share one connection per file.
    const ConnectionScope scope;
    const std::optional<FourPillarsChart> chart = BuildChartOf(record);
    if (!chart)
        return std::nullopt;
    return BaziReportLines(record, *chart);
}

std::vector<std::string> BaziReportLines(const BirthRecord& record, const FourPillarsChart& c) {
    const ConnectionScope scope;
    std::vector<std::string> lines = BirthSummaryLines(record);
    const std::string ds = c.dayPillar.StemText();
    const auto tg = [&](const std::string& stem) { return TenGodOf(ds + stem); };
    const auto se = [](const Pillar& p) { return SoundElementOf(p.Text()); };
    const int n = c.startAge;
    const int ly = record.lunar.year;

    lines.push_back(kBaziSeparatorLine);
    lines.push_back("胎元：" + c.conceptionPillar.Text() + "(" + se(c.conceptionPillar) + ")");
    lines.push_back("起运：" + std::to_string(n) + "岁");
    lines.push_back(TenGodsLine(c));
    lines.push_back(PillarsLine(c));

    // Hidden stems: the first of each position on one line, the second and
    // third under it; seven blanks keep the columns where a stem is missing.
    const std::string* hidden[4] = {&c.hiddenYear, &c.hiddenMonth, &c.hiddenDay, &c.hiddenHour};
    std::string first = "遁藏：";
    for (int p = 0; p < 4; ++p) {
        const std::string h = HiddenAt(*hidden[p], 0);
        first += (p > 0 ? " " : "") + h + tg(h);
    }
    lines.push_back(first);
    for (std::size_t i = 1; i <= 2; ++i) {
        std::string line = kSix;
        for (const std::string* h : hidden) {
            const std::string stem = HiddenAt(*h, i);
            line += Trim(stem).empty() ? kSeven : stem + tg(stem) + " ";
        }
        lines.push_back(line);
    }

    const std::string elements = ChartElementsText(c);
    lines.push_back(ElementsLine(elements));
    lines.push_back(SoundElementsLine(c));

    std::string luckSounds = "纳音：";
    std::string luckGods = "十神：";
    std::string luck = "大运：";
    for (int i = 0; i < 10; ++i) {
        luckSounds += se(c.luckPillars[i]) + " ";
        luckGods += tg(c.luckPillars[i].StemText()) + kThree;
        luck += (i > 0 ? kThree : "") + c.luckPillars[i].Text();
    }
    lines.push_back(luckSounds);
    lines.push_back(luckGods);
    lines.push_back(luck);
    lines.push_back(LuckAgesLine(n));

    const int year = ParseInt(record.yearText);
    std::string starts = "始于：" + record.yearText;
    for (int k = 0; k <= 8; ++k)
        starts += kThree + std::to_string(year + n + 10 * k);
    lines.push_back(starts);
    lines.push_back("");

    // Yearly pillars: column 0 holds the years before the first period, one
    // per line; column k the ten years of period k.
    for (int i = 0; i < 10; ++i) {
        std::string line;
        if (i < n) {
            line = (i == 0 ? std::string("流年：") : kSix) + YearPairOf(ly + i);
            for (int k = 0; k <= 8; ++k)
                line += kThree + YearPairOf(ly + n + 10 * k + i);
        } else {
            line = kThirteen + YearPairOf(ly + n + i);
            for (int k = 1; k <= 8; ++k)
                line += kThree + YearPairOf(ly + n + 10 * k + i);
        }
        lines.push_back(line);
    }
    lines.push_back("");

    // Small luck: the hour pillar stepped once a year in the chart's
    // direction, with the age it applies at under it.
    const int dir = c.backward ? -1 : 1;
    const auto small = [&](int age) { return c.hourPillar.Stepped(dir * age).Text(); };
    for (int i = 0; i < 10; ++i) {
        std::string pillarsLine;
        std::string agesLine;
        if (i < n) {
            pillarsLine = (i == 0 ? std::string("小运：") : kSix) + small(i);
            agesLine = kSix + AgeText(i);
            for (int k = 0; k <= 8; ++k) {
                pillarsLine += kThree + small(n + 10 * k + i);
                agesLine += kThree + AgeText(n + 10 * k + i);
            }
        } else {
            pillarsLine = kThirteen + small(n + i);
            agesLine = kThirteen + AgeText(n + i);
            for (int k = 1; k <= 8; ++k) {
                pillarsLine += kThree + small(n + 10 * k + i);
                agesLine += kThree + AgeText(n + 10 * k + i);
            }
        }
        lines.push_back(pillarsLine);
        lines.push_back(agesLine);
    }

    lines.push_back(ElementCountLine(elements));
    lines.push_back(FavourableElementLine(FavourableElementOf(c)));
    lines.push_back(kBaziSeparatorLine);
    lines.push_back(kBoneWeightHeading);

    // Bone weight: a birth on a jie's day before its instant still counts in
    // the month before.
    int month = record.lunar.month;
    if (c.bornBeforeJie)
        month = month == 1 ? 12 : month - 1;
    const std::string yearText = std::to_string(ly);
    const std::string monthText = std::to_string(month);
    const std::string dayText = std::to_string(record.lunar.day);
    for (int mode = 0; mode <= 2; ++mode) {
        lines.push_back(BoneWeightLine(yearText, monthText, dayText, record.hourText, mode));
    }
    lines.push_back(kBaziSeparatorLine);
    lines.push_back("");
    lines.push_back(kBaziClosingLine);
    return lines;
}

}  // namespace quillora
