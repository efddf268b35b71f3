#pragma once

// What the process holds in memory, for the long session and the benchmark.

namespace test {

// The bytes the program holds on its heap, with freed memory handed back first.
long long heapInUse();
// The resident size of the process, in bytes.
long long residentBytes();

} // namespace test
