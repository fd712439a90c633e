#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

// One row per setting of the hump button, in the order it cycles through
// them: the humps it draws and how each text names it.
struct HumpSetting {
    std::int32_t styleHumpCount;
    bool front;                    // HumpFront
    bool back;                     // HumpBack
    std::string_view code;         // in the marking; a rim without humps has none
    std::string_view description;  // in the view's description
    std::string_view meaning;      // in the marking's explanation, after the code
    std::string_view help;         // in the command line's help
};

inline constexpr HumpSetting HumpSettings[] = {
    {0, true, true, "H2", "Hump vorn und hinten", "Hump auf beiden Seiten", "H2 für einen Hump auf beiden Seiten"},
    {1, true, false, "H", "Hump nur vorn", "Hump nur vorn", "H nur vorn"},
    {2, false, false, "", "ohne Hump", "kein Hump", "nichts für keinen"},
};

inline constexpr std::int32_t HumpSettingCount = static_cast<std::int32_t>(std::size(HumpSettings));

// The row of a StyleHumpCount, which is always one of the rows'.
constexpr const HumpSetting& HumpSettingOf(std::int32_t styleHumpCount)
{
    return HumpSettings[styleHumpCount];
}

static_assert([] {
    for (std::int32_t i = 0; i < HumpSettingCount; ++i)
        if (HumpSettings[i].styleHumpCount != i)
            return false;
    return true;
}(), "each row stands at its count");
