#pragma once
// What a soak watches in its own process: resident memory and open
// descriptors, from /proc.

#include <cstddef>

namespace brennix::soak {

std::size_t residentKiB();
std::size_t openDescriptors();

}  // namespace brennix::soak
