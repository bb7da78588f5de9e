#include "bazi/ChartSummary.h"

#include "calendar/FiveElement.h"
#include "data/Lookups.h"

namespace quillora {

namespace {

const std::string kThree = "   ";

}  // namespace

std::string TenGodsLine(const FourPillarsChart& c) {
    const std::string ds = c.dayPillar.StemText();
    return "十神：" + TenGodOf(ds + c.yearPillar.StemText()) + kThree +
           TenGodOf(ds + c.monthPillar.StemText()) + kThree + "日元" + kThree +
           TenGodOf(ds + c.hourPillar.StemText());
}

std::string PillarsLine(const FourPillarsChart& c) {
    return "八字：" + c.yearPillar.Text() + kThree + c.monthPillar.Text() + kThree +
           c.dayPillar.Text() + kThree + c.hourPillar.Text();
}

std::string ChartElementsText(const FourPillarsChart& c) {
    const Pillar* pillars[4] = {&c.yearPillar, &c.monthPillar, &c.dayPillar, &c.hourPillar};
    std::string text;
    for (int p = 0; p < 4; ++p) {
        if (p > 0)
            text += kThree;
        text += CharElementOf(pillars[p]->StemText()) + CharElementOf(pillars[p]->BranchText());
    }
    return text;
}

std::string ElementsLine(std::string_view chartElements) {
    return "五行：" + std::string(chartElements);
}

std::string SoundElementsLine(const FourPillarsChart& c) {
    return "纳音：" + SoundElementOf(c.yearPillar.Text()) + " " +
           SoundElementOf(c.monthPillar.Text()) + " " + SoundElementOf(c.dayPillar.Text()) + " " +
           SoundElementOf(c.hourPillar.Text());
}

std::string ElementCountLine(std::string_view chartElements) {
    return "八字五行个数：" + ElementCountText(chartElements);
}

std::string MissingElements(std::string_view chartElements) {
    std::string missing;
    for (const std::string_view e : ElementNames) {
        if (chartElements.find(e) == std::string_view::npos)
            missing += e;
    }
    return missing;
}

}  // namespace quillora
