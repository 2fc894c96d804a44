#pragma once

#include <cstddef>
#include <new>

#include "model/fatal_error.h"
#include "model/intrusive_list.h"

namespace taravin {

// A pool of recycled objects: take from the head (allocating when empty), give back to the tail.
template <class T>
class FreeList : public IntrusiveList<T> {
  public:
    T* take() {
        if (T* element = this->takeHead()) {
            return element;
        }
        return allocate();
    }

    void give(T* element) { this->append(element); }

    // Replaces the pool's contents by `count` new objects.
    void refill(std::size_t count) {
        this->clear();
        for (std::size_t i = 0; i < count; ++i) {
            this->append(allocate());
        }
    }

  private:
    static T* allocate() {
        T* element = new (std::nothrow) T();
        if (!element) {
            fatalError(kMemoryAllocationError);
        }
        return element;
    }
};

}  // namespace taravin
