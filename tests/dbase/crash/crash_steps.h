#pragma once
// The numbered changes the crash writer makes, shared by the writer (which
// makes them through the engine) and the test (which replays them on a
// plain model to know what the table must hold).
//
// Steps count from 1. Step i appends a row marked "s<i>" (i % 4 == 1 or 2),
// moves the row appended two steps before to a new ON (i % 4 == 3), or
// deletes the row appended two steps before (i % 4 == 0). Moved rows are
// never deleted, so every target exists.

#include <string>

namespace dbase_crash {

enum class StepKind { Append, Move, Delete };

struct Step {
    StepKind kind;
    std::string marker;  // XIANGMU of the row appended or targeted
    int on = 0;          // new ON for Append and Move
    std::string time;    // new TIME for Append and Move
};

inline std::string markerOf(int step) { return "s" + std::to_string(step); }

inline Step planStep(int i) {
    switch (i % 4) {
    case 1:
    case 2: return {StepKind::Append, markerOf(i), (i * 37) % 101, "a" + std::to_string(i)};
    case 3: return {StepKind::Move, markerOf(i - 2), (i * 53) % 97, "m" + std::to_string(i)};
    default: return {StepKind::Delete, markerOf(i - 2), 0, ""};
    }
}

}  // namespace dbase_crash
