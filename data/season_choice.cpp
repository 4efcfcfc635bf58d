#include "data/season_choice.h"

#include "scheduler/time_text.h"

namespace data {

using shell::MainControls;

const Season kSeasons[4] = {
    {"chunqiu.dbf", "CHUNQIU_ON", "1", &MainControls::C1},
    {"xia.dbf", "XIA_ON", "2", &MainControls::X1},
    {"dong.dbf", "DONG_ON", "3", &MainControls::D1},
    {"qita.dbf", "QITA_ON", "4", &MainControls::T2},
};

std::optional<Season> chooseSeason(std::string_view id8) {
    // The same byte order as time texts: empty is smallest, a prefix smaller.
    const auto cmp = [&](const char* s) { return scheduler::compareTimeTexts(id8, s); };
    std::optional<Season> chosen;
    if (cmp("2") < 0) chosen = kSeasons[0];
    if (cmp("2") == 0) chosen = kSeasons[1];
    if (cmp("3") == 0) chosen = kSeasons[2];
    if (cmp("3") > 0) chosen = kSeasons[3];
    return chosen;
}

void checkSeasonItem(MainControls& controls, shell::Control MainControls::*item) {
    for (const Season& s : kSeasons) (controls.*s.item).checked = (s.item == item);
}

}  // namespace data
