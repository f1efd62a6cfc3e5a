#pragma once
// Driver libraries are built with hidden symbols; only what is marked here is
// exported.

#define BRENNIX_DRIVER_API __attribute__((visibility("default")))
#define BRENNIX_DRIVER_EXPORT extern "C" BRENNIX_DRIVER_API
