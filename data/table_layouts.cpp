#include "data/table_layouts.h"

namespace data {

using dbase::FieldType;

dbase::TableDef settingsTableDef() {
    dbase::TableDef def;
    // id2 and id3 hold a time "hh:mm:ss"; the small codes get room for a
    // hand-edited value of a few digits.
    def.fields = {
        {"KEY", FieldType::Character, kPasswordWidth, 0},
        {"ID1", FieldType::Character, 20, 0},
        {"ID2", FieldType::Character, 8, 0},
        {"ID3", FieldType::Character, 8, 0},
        {"ID4", FieldType::Character, 4, 0},
        {"ID5", FieldType::Character, 4, 0},
        {"ID6", FieldType::Character, 4, 0},
        {"ID7", FieldType::Character, 20, 0},
        {"ID8", FieldType::Character, 4, 0},
    };
    return def;
}

dbase::TableDef timetableDef(const std::string& tagName) {
    dbase::TableDef def;
    def.fields = {
        {"ON", FieldType::Numeric, 6, 0},  // how a 16-bit integer column is created
        {"TIME", FieldType::Character, 8, 0},
        {"XIANGMU", FieldType::Character, 10, 0},
        {"FILENAME", FieldType::Character, 100, 0},
        {"SHICHANG", FieldType::Character, 8, 0},
        {"XQJTB", FieldType::Character, 7, 0},
        {"VOL", FieldType::Character, 3, 0},
    };
    def.tag = dbase::TagDef{tagName, "ON"};
    return def;
}

void restrictSequenceNumber(dbase::Table& timetable) {
    timetable.setIntegerRange(kOn, -32768, 32767);
}

}  // namespace data
