#pragma once
// Looking a resource up by id in one of the resource tables.

#include <cstddef>

// The row of table whose id is id, or null. The tables hold a row or two, so
// a walk is all it takes.
template <class Row, std::size_t N>
const Row* FindById(const Row (&table)[N], unsigned id) {
  for (const Row& row : table) {
    if (row.id == id) return &row;
  }
  return nullptr;
}
