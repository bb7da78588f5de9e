#include "data/Lookups.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "calendar/FiveElement.h"
#include "common/Text.h"
#include "data/Database.h"
#include "data/QueryObject.h"
#include "data/Statements.h"

namespace quillora {

namespace {

// First column of the first row of one statement on "Gantrel.dll", trimmed;
// the empty text when there is no row or the statement fails on a sound file.
std::string GantrelText(const char* sql, std::string key) {
    try {
        const auto text = QueryFirstText(kGantrelFile, sql, {std::move(key)});
        return text ? Trim(*text) : std::string();
    } catch (const std::exception&) {
        if (!GantrelFileIsSound())
            throw;
        return std::string();
    }
}

}  // namespace

bool GantrelFileIsSound() {
    return DatabaseFileIsSound(kGantrelFile, {"hzwh", "Shishen", "jiazi", "JQ"});
}

std::string ConstellationOf(DateValue date) {
    struct Range {
        int fromMonth, fromDay, toMonth, toDay;
        const char* sign;
    };
    // Checked in this order; the first range that holds the date wins.
    static constexpr Range kRanges[] = {
        {12, 22, 12, 31, "摩羯座"}, {1, 1, 1, 19, "摩羯座"},   {1, 20, 2, 18, "水瓶座"},
        {2, 19, 3, 20, "双鱼座"},   {3, 21, 4, 20, "白羊座"},  {4, 21, 5, 20, "金牛座 "},
        {5, 21, 6, 21, "双子座"},   {6, 22, 7, 22, "巨蟹座"},  {7, 23, 8, 22, "狮子座"},
        {8, 23, 9, 22, "处女座"},   {9, 23, 10, 22, "天秤座"}, {10, 23, 11, 21, "天蝎座"},
        {11, 22, 12, 21, "射手座"},
    };
    const DateValue day = DateOf(date);
    const int year = DecodeDate(day).year;
    for (const Range& r : kRanges) {
        DateValue from = 0;
        DateValue to = 0;
        if (!TryEncodeDate(year, r.fromMonth, r.fromDay, from) ||
            !TryEncodeDate(year, r.toMonth, r.toDay, to)) {
            continue;
        }
        if (day >= from && day <= to)
            return r.sign;
    }
    return std::string();
}

std::string CharElementOf(std::string_view character) {
    return GantrelText(sql::kCharElement, Trim(character));
}

std::string TenGodOf(std::string_view key) {
    return GantrelText(sql::kTenGod, std::string(key));
}

std::string SoundElementOf(std::string_view pair) {
    return GantrelText(sql::kSoundElement, std::string(pair));
}

std::string ElementCountText(std::string_view elements) {
    // GBK byte offsets (from 0) of the eight pillar characters' elements.
    static constexpr int kPlaces[] = {0, 2, 7, 9, 14, 16, 21, 23};
    int counts[ElementNames.size()] = {};

    int offset = 0;
    std::size_t place = 0;
    std::size_t pos = 0;
    while (pos < elements.size() && place < std::size(kPlaces)) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(elements, pos);
        const std::string_view ch = elements.substr(start, pos - start);
        const int width = cp < 0x80 ? 1 : 2;
        while (place < std::size(kPlaces) && kPlaces[place] < offset)
            ++place;
        if (place < std::size(kPlaces) && kPlaces[place] == offset && width == 2) {
            for (std::size_t e = 0; e < ElementNames.size(); ++e) {
                if (ch == ElementNames[e])
                    ++counts[e];
            }
            ++place;
        }
        offset += width;
    }

    std::string out;
    for (std::size_t e = 0; e < ElementNames.size(); ++e) {
        if (e > 0)
            out += ", ";
        out += ElementNames[e];
        out += ":占" + std::to_string(counts[e]) + "个";
    }
    return out;
}

std::string BoneWeightKey(double sum) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", sum);
    std::string text = buf;
    if (text.find_first_of("eE") != std::string::npos) {
        // Written out without an exponent, trailing zeros dropped.
        std::snprintf(buf, sizeof buf, "%.15f", sum);
        text = buf;
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    if (text.size() >= 2) {
        std::string key(1, text[0]);
        if (text.size() >= 3)
            key += text[2];
        return key;
    }
    return text + "0";
}

std::string BoneWeightLine(std::string_view year, std::string_view month, std::string_view day,
                           std::string_view hour, int mode) {
    QueryObject q(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    double sum = 0;
    const std::pair<const char*, std::string_view> parts[] = {{sql::kBoneYear, year},
                                                              {sql::kBoneMonth, month},
                                                              {sql::kBoneDay, day},
                                                              {sql::kBoneHour, hour}};
    for (const auto& [statement, key] : parts) {
        q.Close();
        q.SetStatement(statement, {std::string(key)});
        q.Open();
        if (q.RecordCount() > 0)
            sum += q.FieldDouble("weight");
    }

    const std::string key = BoneWeightKey(sum);
    q.Close();
    q.SetStatement(sql::kBoneReading, {key});
    q.Open();
    if (q.RecordCount() == 0)
        return std::string();

    std::string line;
    switch (mode) {
        case 0:
            line = "你的骨重为：" + key.substr(0, 1) + "两";
            if (key.size() >= 2 && key[1] != '0')
                line += key.substr(1, 1) + "钱";
            break;
        case 1:
            line = "骨重诗评：" + Trim(q.FieldText("content"));
            break;
        case 2:
            line = "骨重解评：" + Trim(q.FieldText("content2"));
            break;
        default:
            break;
    }
    q.Close();
    return line;
}

}  // namespace quillora
