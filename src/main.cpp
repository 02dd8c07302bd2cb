// Kp: one executable for the viewer and the unattended converter.
#include <cstdio>

int main(int, char**)
{
    std::puts("Kp");
    return 0;
}
