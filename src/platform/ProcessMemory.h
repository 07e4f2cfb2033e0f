#pragma once

#include <QtGlobal>

namespace ProcessMemory {

// Keeps large blocks (a big text, its document) in memory of their own,
// given back whole when freed. Without this the allocator, once such a
// block was freed, serves the next ones from its shared heap, where they
// are copied as they grow and leave holes behind. Called once at start.
void KeepLargeBlocksApart();

// Gives memory that a large piece of work freed back to the system. The
// allocator keeps freed small blocks for reuse otherwise, and the next large
// piece of work (which wants large blocks) would come on top of them.
void ReleaseFreed();

// The process's memory now in RAM, in bytes; 0 where unknown.
qint64 ResidentBytes();

} // namespace ProcessMemory
