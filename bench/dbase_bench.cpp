// Timings of the dBASE engine on the broadcast program's work:
//   load    open a 10,000-row timetable under its tag and read TIME and
//           SHICHANG of every row, as the time check does;
//   post    one edit posted on a 40-row timetable (table and index
//           rewritten and flushed to disk);
//   oracle  the same 10,000-row load by the oracle's dumptag (TDbf, a
//           process of its own), against our load in a process of its own.
//
// dbase_bench [--oracle DIR] [--folder DIR]
// DIR holds the built oracle tools (default: the build tree's); the tables
// go to a fresh folder under the system temp folder unless --folder says.
// A plain timer harness: each figure is the median of repeated runs.

#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/dbase/table.h"
#include "data/dbase/table_store.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTime = 1, kShichang = 4;

dbase::TableDef timetable(const std::string& tag) {
    using dbase::FieldType;
    dbase::TableDef def;
    def.fields = {{"ON", FieldType::Numeric, 6, 0},       {"TIME", FieldType::Character, 8, 0},  {"XIANGMU", FieldType::Character, 10, 0},
                  {"FILENAME", FieldType::Character, 100, 0}, {"SHICHANG", FieldType::Character, 8, 0}, {"XQJTB", FieldType::Character, 7, 0},
                  {"VOL", FieldType::Character, 3, 0}};
    def.tag = dbase::TagDef{tag, "ON"};
    return def;
}

void makeTimetable(const fs::path& dbf, const std::string& tag, int rows) {
    std::vector<std::vector<std::string>> data;
    for (int i = 0; i < rows; ++i) {
        const int on = (i * 7919) % rows;  // inserted out of order
        char time[9];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", on / 3600 % 24, on / 60 % 60, on % 60);
        data.push_back({std::to_string(on), time, "\xd4\xe7\xb2\xd9", "D:\\\xb9\xe3\xb2\xa5\\" + std::to_string(i) + ".mp3", "00:05:00",
                        "1234567", "80"});
    }
    dbase::createTableWithRows(dbf, timetable(tag), data);
}

std::size_t loadAndWalk(const fs::path& dbf, const std::string& tag) {
    dbase::Table t;
    t.open(dbf, tag);
    std::size_t bytes = 0;
    for (t.first(); !t.eof(); t.next()) bytes += t.fieldText(kTime).size() + t.fieldText(kShichang).size();
    return bytes;
}

// Median wall time of `runs` calls, in milliseconds.
double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Runs a program to its end with its output discarded; false if it failed.
bool runQuietly(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string option(int argc, char** argv, const char* name, const std::string& fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    // A child run: one load, timed by the parent.
    if (argc == 4 && std::strcmp(argv[1], "--load-once") == 0) return loadAndWalk(argv[2], argv[3]) > 0 ? 0 : 1;

    const fs::path oracle = option(argc, argv, "--oracle", DBASE_ORACLE_BIN);
    fs::path folder = option(argc, argv, "--folder", "");
    const bool ownFolder = folder.empty();
    if (ownFolder) {
        std::string pattern = (fs::temp_directory_path() / "dbase-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return 1;
        folder = pattern;
    }
    try {
        const fs::path big = folder / "dong.dbf", small = folder / "xia.dbf";
        makeTimetable(big, "DONG_ON", 10000);
        makeTimetable(small, "XIA_ON", 40);
        std::printf("tables: %s (10,000 rows, %ju + %ju bytes), %s (40 rows)\n", big.c_str(), static_cast<std::uintmax_t>(fs::file_size(big)),
                    static_cast<std::uintmax_t>(fs::file_size(folder / "dong.mdx")), small.c_str());

        const double load = medianMs(21, [&] { loadAndWalk(big, "DONG_ON"); });
        std::printf("load 10,000 rows under tag + walk TIME/SHICHANG: %8.2f ms (median of 21)\n", load);

        dbase::Table t;
        t.open(small, "XIA_ON");
        int round = 0;
        const double post = medianMs(51, [&] {
            t.moveTo(round % 40);
            t.edit();
            t.setFieldText(0, std::to_string(100 + round++));  // moves the row to the end
            t.post();
        });
        std::printf("post one edit on 40 rows (table + index rewritten, fsync): %8.2f ms (median of 51)\n", post);

        const std::string self = fs::canonical("/proc/self/exe").string();
        const double child = medianMs(11, [&] { runQuietly({self, "--load-once", big.string(), "DONG_ON"}); });
        std::printf("load 10,000 rows, own process: %8.2f ms (median of 11)\n", child);
        const fs::path dumptag = oracle / "dumptag";
        if (!fs::exists(dumptag) || !runQuietly({dumptag.string(), big.string(), "DONG_ON"})) {
            std::printf("oracle: %s not usable; build it (ctest -R dbase_oracle_build) or give --oracle DIR\n", dumptag.c_str());
        } else {
            const double checked = medianMs(11, [&] { runQuietly({dumptag.string(), big.string(), "DONG_ON"}); });
            const double unchecked = medianMs(11, [&] { runQuietly({dumptag.string(), big.string(), "DONG_ON", "--no-check"}); });
            std::printf("oracle dumptag, same load:          %8.2f ms (median of 11); with --no-check %8.2f ms\n", checked, unchecked);
            std::printf("ratio dumptag / ours: %.1fx against our own process, %.1fx against our in-process load; "
                        "--no-check: %.1fx / %.1fx\n",
                        checked / child, checked / load, unchecked / child, unchecked / load);
        }
    } catch (const dbase::Error& e) {
        std::fprintf(stderr, "dbase_bench: %s\n", e.what());
        return 1;
    }
    if (ownFolder) fs::remove_all(folder);
    return 0;
}
