#pragma once

#include <cstddef>
#include <utility>

namespace taravin {

// A doubly linked list whose links live in the elements (members `next` and `previous`).
// The list owns its elements: destroying or clearing it deletes them. Walks go head to tail.
template <class T>
class IntrusiveList {
  public:
    IntrusiveList() = default;
    IntrusiveList(const IntrusiveList&) = delete;
    IntrusiveList& operator=(const IntrusiveList&) = delete;
    IntrusiveList(IntrusiveList&& other) noexcept { swap(other); }
    IntrusiveList& operator=(IntrusiveList&& other) noexcept {
        if (this != &other) {
            clear();
            swap(other);
        }
        return *this;
    }
    virtual ~IntrusiveList() { clear(); }

    T* head() const { return head_; }
    T* tail() const { return tail_; }
    std::size_t size() const { return size_; }
    bool empty() const { return head_ == nullptr; }

    void append(T* element) {
        element->next = nullptr;
        element->previous = tail_;
        if (tail_) {
            tail_->next = element;
        } else {
            head_ = element;
        }
        tail_ = element;
        ++size_;
    }

    // Joins the element's neighbours and clears its links; the element is not destroyed.
    T* unlink(T* element) {
        if (element->previous) {
            element->previous->next = element->next;
        } else {
            head_ = element->next;
        }
        if (element->next) {
            element->next->previous = element->previous;
        } else {
            tail_ = element->previous;
        }
        element->next = nullptr;
        element->previous = nullptr;
        --size_;
        return element;
    }

    T* takeHead() { return head_ ? unlink(head_) : nullptr; }

    void clear() {
        while (T* element = takeHead()) {
            delete element;
        }
    }

  private:
    void swap(IntrusiveList& other) noexcept {
        std::swap(head_, other.head_);
        std::swap(tail_, other.tail_);
        std::swap(size_, other.size_);
    }

    T* head_ = nullptr;
    T* tail_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace taravin
