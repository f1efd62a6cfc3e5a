#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-register/register_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return brennix::tools::runRegisterCommand(args, std::cout, std::cerr);
}
