// Writes the default program folder: the settings table, the four season
// timetables with a sample school day each, and the bell sounds of audio/.
// Files that already exist are kept, so a rebuild never overwrites what an
// operator has edited.
//
//   make_program_folder DIR

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/season_choice.h"
#include "data/table_layouts.h"
#include "platform/text/gbk.h"

namespace fs = std::filesystem;

namespace {

struct SampleRow {
    const char* time;
    const char* item;  // UTF-8 here, GBK in the table
    const char* file;
    const char* stop;
};

// Each season's day differs in its start and its noon break.
std::vector<SampleRow> sampleDay(int season) {
    switch (season) {
    case 0:  // spring and autumn
        return {{"07:50:00", "预备铃", "bell.wav", ""},    {"08:00:00", "上课", "bell.wav", ""},
                {"08:45:00", "下课", "chime.wav", ""},     {"08:55:00", "上课", "bell.wav", ""},
                {"09:40:00", "眼保健操", "chime.wav", ""}, {"10:00:00", "课间操", "chime.wav", ""},
                {"10:30:00", "上课", "bell.wav", ""},      {"11:15:00", "午休", "chime.wav", ""},
                {"14:00:00", "上课", "bell.wav", ""},      {"14:45:00", "下课", "chime.wav", ""},
                {"16:30:00", "放学", "chime.wav", ""}};
    case 1:  // summer: earlier start, longer noon break
        return {{"07:20:00", "预备铃", "bell.wav", ""},    {"07:30:00", "上课", "bell.wav", ""},
                {"08:15:00", "下课", "chime.wav", ""},     {"08:25:00", "上课", "bell.wav", ""},
                {"09:10:00", "眼保健操", "chime.wav", ""}, {"09:30:00", "课间操", "chime.wav", ""},
                {"11:30:00", "午休", "chime.wav", ""},     {"14:30:00", "上课", "bell.wav", ""},
                {"15:15:00", "下课", "chime.wav", ""},     {"17:00:00", "放学", "chime.wav", ""}};
    case 2:  // winter: later start, shorter noon break
        return {{"08:10:00", "预备铃", "bell.wav", ""}, {"08:20:00", "上课", "bell.wav", ""},
                {"09:05:00", "下课", "chime.wav", ""},  {"09:15:00", "上课", "bell.wav", ""},
                {"10:00:00", "课间操", "chime.wav", ""}, {"11:40:00", "午休", "chime.wav", ""},
                {"13:30:00", "上课", "bell.wav", ""},   {"14:15:00", "下课", "chime.wav", ""},
                {"16:10:00", "放学", "chime.wav", ""}};
    default:  // a special half day
        return {{"08:00:00", "上课", "bell.wav", ""},
                {"08:45:00", "下课", "chime.wav", ""},
                {"09:00:00", "大会", "chime.wav", "09:00:30"},
                {"11:30:00", "放学", "chime.wav", ""}};
    }
}

void writeTimetable(const fs::path& dbf, const data::Season& season, int index) {
    dbase::createTable(dbf, data::timetableDef(season.tagName));
    dbase::Table t;
    t.open(dbf, season.tagName);
    int on = 1;
    for (const SampleRow& row : sampleDay(index)) {
        t.append();
        t.setFieldText(data::kOn, std::to_string(on++));
        t.setFieldText(data::kTime, row.time);
        t.setFieldText(data::kXiangmu, text::gbkFromUtf8(row.item));
        t.setFieldText(data::kFilename, row.file);
        t.setFieldText(data::kShichang, row.stop);
        t.setFieldText(data::kXqjtb, "67");  // no bells on Saturday and Sunday
        t.setFieldText(data::kVol, "200");
        t.post();
    }
}

void writeSettings(const fs::path& dbf) {
    dbase::createTable(dbf, data::settingsTableDef());
    dbase::Table t;
    t.open(dbf);
    t.append();
    t.setFieldText(data::kKey, "1234");  // the initial operator password
    t.setFieldText(data::kId4, "0");     // first skin
    t.setFieldText(data::kId5, "3");     // at the end of the list: wait
    t.setFieldText(data::kId6, "0");     // the operator must give the password
    t.setFieldText(data::kId8, "1");     // spring and autumn
    t.post();
}

// A mono 16-bit PCM WAV of decaying partials: a struck bell or a soft chime.
void writeBell(const fs::path& wav, const std::vector<double>& partials, double seconds, double decay) {
    const int rate = 22050;
    const auto samples = static_cast<std::uint32_t>(rate * seconds);
    std::vector<std::int16_t> pcm(samples);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = 0;
        for (size_t k = 0; k < partials.size(); ++k) v += std::sin(2 * M_PI * partials[k] * t) / (k + 1);
        pcm[i] = static_cast<std::int16_t>(12000 * v * std::exp(-decay * t) / partials.size());
    }
    std::ofstream out(wav, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t bytes = samples * 2;
    out.write("RIFF", 4); u32(36 + bytes); out.write("WAVEfmt ", 8);
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    out.write("data", 4); u32(bytes);
    out.write(reinterpret_cast<const char*>(pcm.data()), bytes);
    if (!out) throw std::runtime_error("cannot write " + wav.string());
}

template <typename Make>
void keepOrMake(const fs::path& file, Make make) {
    if (fs::exists(file)) return;
    make(file);
    std::printf("wrote %s\n", file.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_program_folder DIR\n");
        return 1;
    }
    try {
        const fs::path dir = argv[1];
        fs::create_directories(dir / "audio");
        keepOrMake(dir / "system.dbf", writeSettings);
        for (int i = 0; i < 4; ++i) {
            keepOrMake(dir / data::kSeasons[i].tableName,
                       [&](const fs::path& f) { writeTimetable(f, data::kSeasons[i], i); });
        }
        keepOrMake(dir / "audio" / "bell.wav", [](const fs::path& f) { writeBell(f, {880, 1320, 2210}, 3.0, 1.2); });
        keepOrMake(dir / "audio" / "chime.wav", [](const fs::path& f) { writeBell(f, {523.25, 659.25, 783.99}, 2.5, 1.0); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_program_folder: %s\n", e.what());
        return 1;
    }
    return 0;
}
