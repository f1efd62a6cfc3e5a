#include "demos/common/demo_main.h"
#include "demos/common/olmi_driver.h"
#include "demos/garrow/garrow_form.h"

int main(int argc, char** argv) {
    brennix::demos::OlmiLibrary olmi;
    return brennix::demos::runDemo(argc, argv, "garrow", [&olmi] {
        return std::make_unique<brennix::demos::GarrowForm>(olmi);
    });
}
