#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-reference/reference_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return brennix::reference::runReference(args, std::cout, std::cerr);
}
