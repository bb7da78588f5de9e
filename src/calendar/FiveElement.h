// The five elements (五行) and their written names. The program always lists,
// counts and joins them in the order 金 木 水 火 土; every report line, element
// filter and score takes the order and the names from here.
#pragma once

#include <array>
#include <string_view>

namespace quillora {

enum FiveElement {
    kElementMetal = 0,  // 金
    kElementWood = 1,   // 木
    kElementWater = 2,  // 水
    kElementFire = 3,   // 火
    kElementEarth = 4   // 土
};

inline constexpr std::array<std::string_view, 5> ElementNames = {"金", "木", "水", "火", "土"};

constexpr std::string_view ElementName(FiveElement e) {
    return ElementNames[e];
}

}  // namespace quillora
