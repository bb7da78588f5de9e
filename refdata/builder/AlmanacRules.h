// The rules that write the almanac table: the three pillars of a day (the
// year from 立春, the month from the day of its jie term, the day from the
// sixty-day cycle) and the entry of a day from the rule tables (activities
// and spirits by month and day pillar, fetus god, Peng Zu taboos, the twelve
// officers and duty gods, sound elements).
//
// The reference-data builder fills the tables from its sources, feeds the jie
// instants of its solar-term engine and expands one entry per day; the
// program itself only reads the finished table.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calendar/LunarCalendar.h"
#include "common/DateValue.h"

namespace quillora::refdata {

// Position of a stem-branch pair in the sixty-pair cycle (甲子 = 0) and back.
int PillarIndex(int stem, int branch);  // -1 when stem and branch differ in parity
std::string PillarText(int index);      // "甲子" ... "癸亥"
// The index of a two-character pillar text, or -1.
int PillarIndexOf(const std::string& text);

// The day pillar of a date (1900-02-20 is 甲子); the time of day is ignored.
int DayPillarOf(DateValue date);

// The year, month and day pillars of a day.
struct DayPillars {
    int year = 0;   // cycle index; the year turns on the day of 立春
    int month = 0;  // cycle index; the month turns on the day of its jie term
    int day = 0;    // cycle index
};

// The jie days of a span of years: a month begins on the Beijing calendar day
// on which its jie term falls.
class JieCalendar {
  public:
    // One entry per jie term: its instant (Beijing time) and its term index
    // (0 小寒, 2 立春, ... 22 大雪, as TermNames). Any order; must cover the
    // days asked for from the 小寒 before the first to the last.
    explicit JieCalendar(std::vector<std::pair<DateValue, int>> jieInstants);

    // Throws std::out_of_range for a day before the first jie day.
    DayPillars PillarsOf(DateValue date) const;

  private:
    struct JieDay {
        long day;  // whole date value of the jie's Beijing day
        int term;  // 0, 2, ... 22
    };
    std::vector<JieDay> days_;
};

// One row of the almanac table.
struct AlmanacEntry {
    std::string gn;      // yyyy-MM-dd
    std::string nn;      // overview: lunar date, weekday, zodiac, duty god, 黄道/黑道
    std::string suici;   // "庚寅年 辛巳月 丙子日"
    std::string tszf;    // fetus god's position
    std::string wuhang;  // sound element of the day and its officer: "涧下水 执日"
    std::string cong;    // clash and sha: "冲马(庚午)煞南"
    std::string pzbj;    // the stem's and the branch's Peng Zu taboo
    std::string jsyq;    // auspicious spirits
    std::string yi;      // favourable activities
    std::string xsyq;    // inauspicious spirits
    std::string ji;      // unfavourable activities
};

// The rule tables. Lists are texts with single blanks between the items.
class AlmanacRules {
  public:
    AlmanacRules();

    void SetActivities(int monthPillar, int dayPillar, std::string yi, std::string ji);
    void SetSpirits(int monthBranch, int dayPillar, std::string auspicious,
                    std::string inauspicious);
    void SetFetusGod(int dayPillar, std::string position);
    void SetStemTaboo(int stem, std::string taboo);
    void SetBranchTaboo(int branch, std::string taboo);
    void SetOfficer(int monthBranch, int dayBranch, std::string officer);
    void SetDutyGod(int monthBranch, int dayBranch, std::string god);
    void SetDutyGodKind(const std::string& god, std::string kind);  // "黄道" or "黑道"
    void SetSoundElement(int pillar, std::string soundElement);

    // A description of the first rule that is still unset (or a duty god
    // without a kind), or "" when the tables are complete.
    std::string FirstGap() const;

    // The entry of a day from its date, pillars and lunar date.
    AlmanacEntry EntryOf(DateValue date, const DayPillars& pillars, const LunarDate& lunar) const;

  private:
    std::vector<std::pair<std::string, std::string>> activities_;  // [month * 60 + day]
    std::vector<std::pair<std::string, std::string>> spirits_;     // [branch * 60 + day]
    std::array<std::string, 60> fetus_;
    std::array<std::string, 10> stemTaboo_;
    std::array<std::string, 12> branchTaboo_;
    std::array<std::string, 144> officer_;  // [month branch * 12 + day branch]
    std::array<std::string, 144> dutyGod_;
    std::vector<std::pair<std::string, std::string>> dutyKinds_;
    std::array<std::string, 60> soundElement_;
    std::vector<bool> activitySet_;
    std::vector<bool> spiritSet_;
};

// The traditional name of a lunar month: "正月" ... "十月", "冬月", "腊月",
// "闰" before a leap month.
std::string TraditionalMonthName(int month, bool isLeap);

}  // namespace quillora::refdata
