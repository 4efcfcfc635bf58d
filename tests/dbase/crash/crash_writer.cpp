// Makes the numbered changes FIRST .. FIRST+COUNT-1 to a timetable, printing
// "ready" once the table is open, then each step number once its post has
// returned. The crash test kills it at
// random moments; with DBASE_CRASH_POST=n and DBASE_CRASH_STEP=s set it
// dies by itself at write step s of its n-th post.
//
// crash_writer TABLE.dbf TAG FIRST COUNT

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/dbase/table.h"
#include "data/dbase/write_steps.h"
#include "tests/dbase/crash/crash_steps.h"

namespace {

int postsSoFar = 0;
int dyingPost = 0;
int dyingStep = 0;

void maybeDie(dbase::testing::WriteStep step) {
    if (postsSoFar + 1 == dyingPost && static_cast<int>(step) == dyingStep) _exit(9);
}

int envInt(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : 0;
}

bool findMarker(dbase::Table& t, const std::string& marker) {
    for (t.first(); !t.eof(); t.next())
        if (t.fieldText(2) == marker) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: crash_writer TABLE.dbf TAG FIRST COUNT\n");
        return 1;
    }
    dyingPost = envInt("DBASE_CRASH_POST");
    dyingStep = envInt("DBASE_CRASH_STEP");
    if (dyingPost > 0) dbase::testing::setWriteStepHook(maybeDie);
    const int first = std::atoi(argv[3]);
    const int count = std::atoi(argv[4]);
    try {
        dbase::Table t;
        t.open(argv[1], argv[2]);
        std::printf("ready\n");  // the test times its kill from here
        std::fflush(stdout);
        for (int i = first; i < first + count; ++i) {
            const dbase_crash::Step step = dbase_crash::planStep(i);
            if (step.kind == dbase_crash::StepKind::Append) {
                t.append();
            } else {
                if (!findMarker(t, step.marker)) {
                    std::printf("missing %s\n", step.marker.c_str());
                    return 3;
                }
                if (step.kind == dbase_crash::StepKind::Delete) {
                    t.deleteRow();
                    ++postsSoFar;
                    std::printf("%d\n", i);
                    std::fflush(stdout);
                    continue;
                }
                t.edit();
            }
            t.setFieldText(0, std::to_string(step.on));
            t.setFieldText(1, step.time);
            t.setFieldText(2, step.marker);
            t.post();
            ++postsSoFar;
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
    } catch (const dbase::Error& e) {
        std::printf("error %s\n", e.what());
        return 2;
    }
    return 0;
}
