// Writes a season timetable for an end-to-end case with our engine:
//   write_timetable FILE.dbf TAG < rows
// one row a line, fields separated by "|": TIME|FILENAME|SHICHANG|XQJTB
// (UTF-8; stored in GBK). ON numbers the rows from 1.

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "data/table_layouts.h"
#include "platform/text/gbk.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_timetable FILE.dbf TAG < rows\n");
        return 1;
    }
    try {
        dbase::createTable(argv[1], data::timetableDef(argv[2]));
        dbase::Table t;
        t.open(argv[1], argv[2]);
        std::string line;
        int on = 1;
        while (std::getline(std::cin, line)) {
            if (line.empty()) continue;
            std::vector<std::string> fields;
            std::stringstream parts(line);
            for (std::string f; std::getline(parts, f, '|');) fields.push_back(f);
            fields.resize(4);
            t.append();
            t.setFieldText(data::kOn, std::to_string(on++));
            t.setFieldText(data::kTime, fields[0]);
            t.setFieldText(data::kFilename, text::gbkFromUtf8(fields[1]));
            t.setFieldText(data::kShichang, fields[2]);
            t.setFieldText(data::kXqjtb, fields[3]);
            t.setFieldText(data::kVol, "200");
            t.post();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "write_timetable: %s\n", e.what());
        return 1;
    }
    return 0;
}
