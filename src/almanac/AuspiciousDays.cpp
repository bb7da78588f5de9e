#include "almanac/AuspiciousDays.h"

#include <algorithm>

#include "bazi/Chart.h"
#include "calendar/LunarCalendar.h"
#include "common/Text.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

namespace {

// The years table huangdao covers.
constexpr int kFirstAlmanacYear = 1901;
constexpr int kLastAlmanacYear = 2100;

AuspiciousCheck Reject(const char* message, AuspiciousBox box) {
    AuspiciousCheck c;
    c.message = message;
    c.box = box;
    return c;
}

// The second word of the entry's "sound element and officer" text
// ("海中金 开日" → "开日").
std::string OfficerOf(const std::string& soundAndOfficer) {
    const std::size_t blank = soundAndOfficer.rfind(' ');
    return blank == std::string::npos ? std::string() : soundAndOfficer.substr(blank + 1);
}

std::string Animal(int branch) {
    return std::string(AnimalNames[static_cast<std::size_t>(branch)]);
}

}  // namespace

const std::vector<AuspiciousActivity>& AuspiciousActivities() {
    static const std::vector<AuspiciousActivity> activities = {
        {"开市", "开业、开张，新店开门营业"},
        {"交易", "买卖货物，洽谈生意"},
        {"立券", "订立契约，签订合同"},
        {"订盟", "结盟合作，签约立约"},
        {"纳财", "收账、进货、购置产业"},
        {"挂匾", "悬挂招牌、匾额"},
        {"开仓", "开仓出货，启用库房"},
        {"出货财", "出货、放款"},
        {"置产", "购置房产、地产"},
        {"安机械", "安装机器设备"},
        {"动土", "开工动土，兴建厂房"},
        {"修造", "装修、改建房屋厂房"},
        {"入宅", "迁入新址办公或居住"},
        {"移徙", "搬迁、迁址"},
        {"出行", "出差、远行"},
        {"赴任", "就职上任"},
        {"祈福", "祈求福气，许愿还愿"},
        {"会亲友", "会见亲友宾客"},
    };
    return activities;
}

AuspiciousCheck CheckAuspiciousInput(const AuspiciousInput& input) {
    const std::string activity = Trim(input.activity);
    if (activity.empty())
        return Reject(kAuspiciousNoActivity, AuspiciousBox::Activity);
    const auto& offered = AuspiciousActivities();
    if (std::none_of(offered.begin(), offered.end(),
                     [&](const AuspiciousActivity& a) { return activity == a.term; })) {
        return Reject(kAuspiciousUnknownActivity, AuspiciousBox::Activity);
    }
    DateValue from = 0, to = 0;
    if (!TryParseDate(input.from, from))
        return Reject(kAuspiciousBadFrom, AuspiciousBox::From);
    if (!TryParseDate(input.to, to))
        return Reject(kAuspiciousBadTo, AuspiciousBox::To);
    from = DateOf(from);
    to = DateOf(to);
    if (to < from)
        return Reject(kAuspiciousOrder, AuspiciousBox::To);
    if (to - from + 1 > kAuspiciousMaxDays)
        return Reject(kAuspiciousTooLong, AuspiciousBox::To);
    if (DecodeDate(from).year < kFirstAlmanacYear || DecodeDate(to).year > kLastAlmanacYear)
        return Reject(kAuspiciousOutOfTable, AuspiciousBox::From);
    AuspiciousCheck c;
    c.ok = true;
    c.activity = activity;
    c.from = from;
    c.to = to;
    return c;
}

bool DayClashesBranch(DateValue date, int branch) {
    const DateParts d = DecodeDate(date);
    return (DayPillarOf(d.year, d.month, d.day).branch + 6) % 12 == branch;
}

std::vector<AuspiciousDay> FindAuspiciousDays(QueryObject& almanac, const std::string& activity,
                                              DateValue from, DateValue to,
                                              std::optional<int> personBranch) {
    almanac.Close();
    almanac.SetStatement(sql::kAuspiciousDays, {FormatDate(from), FormatDate(to), activity});
    almanac.Open();
    std::vector<AuspiciousDay> days;
    for (int r = 1; r <= almanac.RecordCount(); ++r) {
        almanac.MoveTo(r);
        AuspiciousDay day;
        day.date = almanac.FieldText(0);
        day.overview = Trim(almanac.FieldText(1));
        day.pillars = Trim(almanac.FieldText(2));
        day.officer = OfficerOf(Trim(almanac.FieldText(3)));
        day.clash = Trim(almanac.FieldText(4));
        day.clashesPerson = personBranch && DayClashesBranch(ParseDate(day.date), *personBranch);
        days.push_back(std::move(day));
    }
    almanac.Close();
    return days;
}

const std::vector<std::string>& AuspiciousHeaders() {
    static const std::vector<std::string> headers = {"日期", "当日概况", "干支",
                                                     "建除", "冲煞",     "法人生肖"};
    return headers;
}

std::vector<std::string> AuspiciousCells(const AuspiciousDay& day,
                                         std::optional<int> personBranch) {
    std::string person;
    if (personBranch)
        person = day.clashesPerson ? "冲" + Animal(*personBranch) + "（不宜）" : "不冲";
    return {day.date, day.overview, day.pillars, day.officer, day.clash, person};
}

std::string AuspiciousSummary(const AuspiciousCheck& check, const std::vector<AuspiciousDay>& days,
                              std::optional<int> personBranch) {
    std::string line = FormatDate(check.from) + "至" + FormatDate(check.to) + "宜" +
                       check.activity + "的日子共" + std::to_string(days.size()) + "天";
    if (personBranch) {
        const auto clashing = std::count_if(days.begin(), days.end(),
                                            [](const AuspiciousDay& d) { return d.clashesPerson; });
        line +=
            "，其中" + std::to_string(clashing) + "天冲法人生肖（" + Animal(*personBranch) + "）";
    }
    return line + "。";
}

}  // namespace quillora
