#include <iostream>
#include <string>
#include <vector>

#include "tools/brennix-render/render_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return brennix::render::runRender(args, std::cout, std::cerr);
}
