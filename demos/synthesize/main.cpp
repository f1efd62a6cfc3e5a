#include "demos/common/demo_main.h"
#include "demos/synthesize/synthesize_form.h"

int main(int argc, char** argv) {
    return brennix::demos::runDemo(argc, argv, "synthesize", [] {
        return std::make_unique<brennix::demos::SynthesizeForm>();
    });
}
