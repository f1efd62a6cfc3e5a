#include "demos/common/demo_main.h"
#include "demos/common/olmi_driver.h"
#include "demos/fennick/fennick_form.h"

int main(int argc, char** argv) {
    brennix::demos::OlmiLibrary olmi;
    return brennix::demos::runDemo(argc, argv, "fennick", [&olmi] {
        return std::make_unique<brennix::demos::FennickForm>(olmi);
    });
}
