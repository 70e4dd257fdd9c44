// Per-vessel handles (tanks, thrusters, streams) are indexes plus one, so none is null.
#pragma once

#include <cstdint>
#include <vector>

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

// The item a handle names, or null for a null handle or one out of range.
template <class T, class Handle>
T* ItemOf(std::vector<T>& items, Handle handle) {
    const long i = HandleIndex(handle);
    return i >= 0 && i < static_cast<long>(items.size()) ? &items[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace host
