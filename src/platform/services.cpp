#include "platform/services.h"

namespace platform {
namespace {

Services realServices;
Services* current = &realServices;

}  // namespace

Services& services() {
    return *current;
}

ScopedServices::ScopedServices(Services& replacement) : previous_(current) {
    current = &replacement;
}

ScopedServices::~ScopedServices() {
    current = previous_;
}

}  // namespace platform
