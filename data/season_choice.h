#pragma once
// Which season timetable the settings field id8 selects.

#include <optional>
#include <string_view>

#include "shell/presentation_model.h"

namespace data {

struct Season {
    const char* tableName;  // "chunqiu.dbf"
    const char* tagName;    // "CHUNQIU_ON"
    const char* id8Value;   // what its season command stores in id8
    shell::Control shell::MainControls::*item;  // its radio item in the menu
};

// The four seasons in menu order: spring and autumn, summer, winter, special.
extern const Season kSeasons[4];

// The season id8 selects by byte-wise comparison: below "2" spring and
// autumn, "2" summer, "3" winter, above "3" special. A text between "2" and
// "3" (such as "21") selects none.
std::optional<Season> chooseSeason(std::string_view id8);

// Puts the check mark on one season item; the others of the radio group lose it.
void checkSeasonItem(shell::MainControls& controls, shell::Control shell::MainControls::*item);

}  // namespace data
