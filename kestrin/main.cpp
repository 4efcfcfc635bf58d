// Kestrin, the shutdown helper. Asking the system to power off comes with
// the end-of-day work; until then the program says so and changes nothing.
#include <cstdio>

int main() {
    std::fprintf(stderr, "kestrin: power-off is not part of this build yet\n");
    return 1;
}
