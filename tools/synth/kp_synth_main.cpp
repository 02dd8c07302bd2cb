// kp-synth: writes recordings for tests, benchmarks, fuzz seeds and the demo.
#include <cstdio>

int main(int, char**)
{
    std::puts("kp-synth");
    return 0;
}
