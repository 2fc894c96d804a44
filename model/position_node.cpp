#include "model/position_node.h"

namespace taravin {

PositionNodePool& positionNodePool() {
    thread_local PositionNodePool pool;
    return pool;
}

void appendCopies(NodeList& target, const NodeList& source) {
    PositionNodePool& pool = positionNodePool();
    for (const PositionNode* node = source.head(); node; node = node->next) {
        PositionNode* copy = pool.take();
        copy->row = node->row;
        copy->column = node->column;
        copy->work = 0;
        copy->secondWork = node->secondWork;
        target.append(copy);
    }
}

void releaseNodes(NodeList& list) {
    PositionNodePool& pool = positionNodePool();
    while (PositionNode* node = list.takeHead()) {
        pool.give(node);
    }
}

}  // namespace taravin
