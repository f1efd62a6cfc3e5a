// A shared library with none of the control-library entry points.

extern "C" __attribute__((visibility("default"))) int plainAnswer() {
    return 42;
}
