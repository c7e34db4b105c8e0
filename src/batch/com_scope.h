#pragma once
// COM for the UI thread around one operation, never held across events.
#include "platform/services.h"

namespace batch {

class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(platform::services().coInitialize())) {}
    // A failed initialisation is not balanced: uninitialising then would undo somebody else's.
    ~ComScope() {
        if (initialised_) platform::services().coUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace batch
