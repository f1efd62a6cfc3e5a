#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-acquire/acquire_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    brennix::acquire::Terminal terminal{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) == 1,
                                        ::isatty(STDERR_FILENO) == 1};
    return brennix::acquire::runAcquire(args, terminal);
}
