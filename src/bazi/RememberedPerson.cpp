#include "bazi/RememberedPerson.h"

#include "common/Text.h"
#include "common/UserFiles.h"

namespace quillora {

std::string RememberedPersonFile() {
    return UserConfigFile("person.conf");
}

std::string FormatPerson(const BirthEntries& person, bool dateGiven) {
    return FormatSettings({{"name", person.name},
                           {"given", person.givenName},
                           {"sex", person.sex},
                           {"calendar", std::to_string(person.calendarIndex)},
                           {"year", person.year},
                           {"month", person.month},
                           {"day", person.day},
                           {"hour", person.hour},
                           {"minute", person.minute},
                           {"leap", person.leapMonth ? "1" : "0"},
                           {"dated", dateGiven ? "1" : "0"}});
}

bool PersonDateGiven(const std::string& text) {
    return ParseSettings(text)["dated"] != "0";
}

std::optional<BirthEntries> ParsePerson(const std::string& text) {
    Settings s = ParseSettings(text);
    BirthEntries person;
    person.name = s["name"];
    person.givenName = s["given"];
    person.sex = s["sex"];
    person.calendarIndex = s["calendar"] == "1" ? 1 : 0;
    person.year = s["year"];
    person.month = s["month"];
    person.day = s["day"];
    person.hour = s["hour"];
    person.minute = s["minute"];
    person.leapMonth = s["leap"] == "1";
    if (Trim(person.year).empty() ||
        (Trim(person.name + person.givenName).empty() && s["dated"] != "1"))
        return std::nullopt;
    return person;
}

std::string PersonSummary(const BirthEntries& person) {
    std::string out = Trim(person.name) + Trim(person.givenName);
    if (!Trim(person.sex).empty())
        out += " " + Trim(person.sex);
    out += std::string(" ") + (person.calendarIndex == 0 ? "公历" : "农历") + Trim(person.year) +
           "年" + Trim(person.month) + "月" + Trim(person.day) + "日";
    const std::string hour = Trim(person.hour);
    if (!hour.empty())
        out += " " + hour.substr(0, hour.find(' ')) + "时";
    return out;
}

}  // namespace quillora
