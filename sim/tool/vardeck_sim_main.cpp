// vardeck-sim: a simulated device behind a pseudo-terminal.
#include <cstdio>
int main() {
    std::fprintf(stderr, "vardeck-sim: not built yet\n");
    return 1;
}
