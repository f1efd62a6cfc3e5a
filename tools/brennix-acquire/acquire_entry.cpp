// What the program's launcher calls once this library and everything it
// links are loaded.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-acquire/acquire_command.h"

extern "C" __attribute__((visibility("default"))) int brennix_acquire_main(int argc, char** argv,
                                                                           const char* loadOutput) {
    std::vector<std::string> args(argv + 1, argv + argc);
    brennix::acquire::Terminal terminal{std::cin,
                                        std::cout,
                                        std::cerr,
                                        ::isatty(STDIN_FILENO) == 1,
                                        ::isatty(STDERR_FILENO) == 1,
                                        loadOutput != nullptr ? loadOutput : ""};
    return brennix::acquire::runAcquire(args, terminal);
}
