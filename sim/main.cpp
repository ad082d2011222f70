// quenlar-sim: a simulated machine-control bus on a pseudo-terminal.
#include <cstdio>

int main() {
    std::puts("quenlar-sim: not built yet");
    return 0;
}
