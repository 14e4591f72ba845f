#pragma once

// Heap allocations the whole program has made since it started: every malloc, calloc and realloc,
// which includes operator new and Qt's own containers. Linking AllocationCount.cpp into a benchmark
// puts counting versions of these functions in front of the C library's (glibc).
long long allocationCount();
