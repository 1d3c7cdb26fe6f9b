// A plain C++ program that starts, touches the standard library and ends: the floor that the
// start-up benchmark measures kor against.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const std::string name = argc > 0 ? argv[0] : "";
    return name.empty() ? 1 : std::fflush(stdout);
}
