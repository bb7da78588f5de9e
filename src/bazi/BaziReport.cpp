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
    // The month pillar rules from birth to the first period: ages 1 to n − 1,
    // or within the first year when the period begins in the year of birth
    // or the next.
    std::string line = kSix + (n <= 2 ? std::string("1岁") : "1-" + std::to_string(n - 1) + "岁");
    for (int k = 0; k <= 8; ++k)
        line += kThree + std::to_string(n + 10 * k) + "岁";
    return line;
}

std::string LuckStartLine(const FourPillarsChart& c) {
    const LuckStart& s = c.luckStart;
    return "起运：" + std::to_string(c.startAge) + "岁（出生后" + std::to_string(s.years) + "年" +
           std::to_string(s.months) + "个月" + std::to_string(s.days) + "天起运）";
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

    lines.push_back(kBaziSeparatorLine);
    lines.push_back("胎元：" + c.conceptionPillar.Text() + "(" + se(c.conceptionPillar) + ")");
    lines.push_back(LuckStartLine(c));
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

    std::string luckSounds = "大运纳音：";
    std::string luckGods = "大运十神：";
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

    // Every age counts from 1 in the Gregorian year of birth; period k begins
    // in its 始于 year, at age n + 10(k − 1). Column 0 holds the years before
    // the first period, one per line; column k the ten years of period k.
    const int born = c.birthYear;
    const int before = n - 1;  // years in column 0
    std::string starts = "始于：" + std::to_string(born);
    for (int k = 0; k <= 8; ++k)
        starts += kThree + std::to_string(c.luckStart.year + 10 * k);
    lines.push_back(starts);
    lines.push_back("");

    // One line per year of a column: column 0 then the nine periods, the
    // prefix on the first line only; seven blanks keep the place of an empty
    // column-0 entry. A jie lies at most 32 days away, so the first period
    // begins by age 11 and column 0 never holds more than ten years.
    const auto columns = [&](const char* label, int i, const auto& cell) {
        std::string line = i == 0 ? std::string(label) : kSix;
        line += i < before ? cell(i + 1) : kSeven;
        for (int k = 0; k <= 8; ++k)
            line += (i < before || k > 0 ? kThree : "") + cell(n + 10 * k + i);
        return line;
    };
    // The yearly pillar of an age is the pillar of its Gregorian year.
    const auto yearly = [&](int age) { return YearPairOf(born + age - 1); };
    for (int i = 0; i < 10; ++i)
        lines.push_back(columns("流年：", i, yearly));
    lines.push_back("");

    // Small luck: the hour pillar stepped once a year in the chart's
    // direction, with the age it applies at under it.
    const int dir = c.backward ? -1 : 1;
    const auto small = [&](int age) { return c.hourPillar.Stepped(dir * age).Text(); };
    for (int i = 0; i < 10; ++i) {
        lines.push_back(columns("小运：", i, small));
        lines.push_back(columns("      ", i, AgeText));
    }

    lines.push_back(ElementCountLine(elements));
    lines.push_back(FavourableElementLine(FavourableElementOf(c)));
    lines.push_back(kBaziSeparatorLine);
    lines.push_back(kBoneWeightHeading);

    // Bone weight: the lunar date as it is (a leap month weighs as the month
    // of its number) and the double hour.
    const std::string yearText = std::to_string(record.lunar.year);
    const std::string monthText = std::to_string(record.lunar.month);
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
