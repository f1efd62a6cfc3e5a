#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-config/config_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return brennix::config::runConfig(args, std::cout, std::cerr);
}
