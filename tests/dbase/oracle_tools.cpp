#include "tests/dbase/oracle_tools.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace dbase_test {

CommandResult runCommand(const std::vector<std::string>& argv) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    CommandResult result;
    if (spawned != 0) {
        close(pipeFds[0]);
        throw std::runtime_error("cannot start " + argv[0]);
    }
    char buffer[65536];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) result.out.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::filesystem::path oracleBin(const std::string& tool) { return std::filesystem::path(DBASE_ORACLE_BIN) / tool; }
std::filesystem::path oracleSource(const std::string& file) { return std::filesystem::path(DBASE_ORACLE_SRC) / file; }

namespace {

std::string escaped(const std::string& bytes) {
    std::string out;
    char hex[5];
    for (unsigned char c : bytes) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c <= 0x7E) {
            out += static_cast<char>(c);
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

}  // namespace

std::string listing(dbase::Table& table) {
    std::string out;
    for (table.first(); !table.eof(); table.next()) {
        out += std::to_string(table.recordNumber()) + "\t-";
        for (int f = 0; f < table.fieldCount(); ++f) out += "\t" + escaped(table.fieldText(f));
        out += "\n";
    }
    return out;
}

CommandResult dumptag(const std::filesystem::path& dbf, const std::string& tag) {
    return runCommand({oracleBin("dumptag").string(), dbf.string(), tag, "--trim", "--no-header"});
}

CommandResult xbaseDump(const std::filesystem::path& dbf, const std::string& tag) {
    return runCommand({"perl", oracleSource("xbase_dump.pl").string(), dbf.string(), tag});
}

void toGbk(const std::filesystem::path& utf8, const std::filesystem::path& gbk) {
    const CommandResult r = runCommand({"iconv", "-f", "UTF-8", "-t", "GBK", utf8.string()});
    if (r.status != 0) throw std::runtime_error("iconv failed on " + utf8.string());
    std::FILE* f = std::fopen(gbk.c_str(), "wb");
    if (!f || std::fwrite(r.out.data(), 1, r.out.size(), f) != r.out.size()) throw std::runtime_error("cannot write " + gbk.string());
    std::fclose(f);
}

}  // namespace dbase_test
