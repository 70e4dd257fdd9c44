// Per-vessel handles (tanks, thrusters, streams) are indexes plus one, so none is null.
#pragma once

#include <cstdint>

#include "HostTypes.h"

namespace host {

template <class Handle>
Handle IndexHandle(std::size_t index) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(index + 1));
}

// -1 for a null handle.
template <class Handle>
long HandleIndex(Handle handle) {
    return static_cast<long>(reinterpret_cast<std::uintptr_t>(handle)) - 1;
}

}  // namespace host
