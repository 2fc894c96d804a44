#pragma once

#include <cstdint>
#include <string>

#include "model/free_list.h"
#include "model/intrusive_list.h"
#include "model/square.h"

namespace taravin {

// One square travelling through a list or a queue.
class PositionNode {
  public:
    PositionNode() = default;
    PositionNode(int32_t nodeRow, int32_t nodeColumn) : row(nodeRow), column(nodeColumn) {}
    // A copy takes row, column and the second work value; the work value starts at 0.
    PositionNode(const PositionNode& other)
        : row(other.row), column(other.column), secondWork(other.secondWork) {}
    // Assignment copies the square only; links are never copied.
    PositionNode& operator=(const PositionNode& other) {
        row = other.row;
        column = other.column;
        return *this;
    }
    virtual ~PositionNode() = default;

    friend bool operator==(const PositionNode& a, const PositionNode& b) {
        return a.row == b.row && a.column == b.column;
    }
    Square square() const { return {row, column}; }
    std::string text() const { return squareName(row, column); }

    int32_t row = 0;
    int32_t column = 0;
    int32_t work = 0;
    int32_t secondWork = 0;
    PositionNode* next = nullptr;
    PositionNode* previous = nullptr;
};

using NodeList = IntrusiveList<PositionNode>;
using PositionNodePool = FreeList<PositionNode>;

// The calling thread's pool of position nodes. Each thread has its own, so the search worker
// and the window thread never share a free list.
PositionNodePool& positionNodePool();

// Appends to `target` a copy of every node of `source`, in order, taken from the pool.
void appendCopies(NodeList& target, const NodeList& source);

// Gives every node of the list back to the calling thread's pool.
void releaseNodes(NodeList& list);

}  // namespace taravin
