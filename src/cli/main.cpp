// lumarik-calc: Lumarik's calculator for scripts, without Qt and without a display.
#include <iostream>
#include <string>
#include <vector>

#include "core/calc/CalcMain.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return lumarik::RunCalc(args, std::cin, std::cout, std::cerr);
}
