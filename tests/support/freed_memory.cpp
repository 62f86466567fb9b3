// The global allocator of a test executable with a quarantine for TFreedMemoryWatch.
#include "tests/support/freed_memory.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// In front of every block, in room of its own that keeps the block as aligned as the system's
// allocation is.
struct THeader {
    std::size_t size;
    THeader* next; // in the quarantine
};
constexpr std::size_t kHeaderRoom = 16;
static_assert(sizeof(THeader) <= kHeaderRoom);

unsigned char* BlockOf(THeader* header) {
    return reinterpret_cast<unsigned char*>(header) + kHeaderRoom;
}
THeader* HeaderOf(void* block) {
    return reinterpret_cast<THeader*>(static_cast<unsigned char*>(block) - kHeaderRoom);
}

SRWLOCK lock = SRWLOCK_INIT;
bool watching = false;
THeader* quarantine = nullptr;

// Word k of a freed block: an address no process maps (above the user half on 32 bits, not
// canonical on 64), different from word to word so a freed vector is neither empty nor sane.
std::uintptr_t PoisonWord(std::size_t k) {
    constexpr std::uintptr_t base =
        sizeof(void*) == 8 ? static_cast<std::uintptr_t>(0xDEAD000000000000ull) : 0xDEAD0000u;
    return base + (k % 256) * 64;
}
constexpr unsigned char kPoisonByte = 0xDD;

void Poison(unsigned char* p, std::size_t size) {
    const std::size_t words = size / sizeof(std::uintptr_t);
    for (std::size_t k = 0; k < words; ++k) {
        const std::uintptr_t w = PoisonWord(k);
        std::memcpy(p + k * sizeof(w), &w, sizeof(w));
    }
    std::memset(p + words * sizeof(std::uintptr_t), kPoisonByte, size % sizeof(std::uintptr_t));
}

bool Poisoned(const unsigned char* p, std::size_t size) {
    const std::size_t words = size / sizeof(std::uintptr_t);
    for (std::size_t k = 0; k < words; ++k) {
        std::uintptr_t w = 0;
        std::memcpy(&w, p + k * sizeof(w), sizeof(w));
        if (w != PoisonWord(k)) return false;
    }
    for (std::size_t i = words * sizeof(std::uintptr_t); i < size; ++i)
        if (p[i] != kPoisonByte) return false;
    return true;
}

void* Allocate(std::size_t size) {
    auto* header = static_cast<THeader*>(std::malloc(kHeaderRoom + (size ? size : 1)));
    if (!header) return nullptr;
    header->size = size;
    header->next = nullptr;
    return BlockOf(header);
}

void Release(void* p) noexcept {
    if (!p) return;
    THeader* header = HeaderOf(p);
    AcquireSRWLockExclusive(&lock);
    if (watching) {
        Poison(static_cast<unsigned char*>(p), header->size);
        header->next = quarantine;
        quarantine = header;
        ReleaseSRWLockExclusive(&lock);
        return;
    }
    ReleaseSRWLockExclusive(&lock);
    std::free(header);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}

namespace testing_memory {

TFreedMemoryWatch::TFreedMemoryWatch() {
    AcquireSRWLockExclusive(&lock);
    watching = true;
    ReleaseSRWLockExclusive(&lock);
}

TFreedMemoryWatch::~TFreedMemoryWatch() {
    AcquireSRWLockExclusive(&lock);
    watching = false;
    THeader* block = quarantine;
    quarantine = nullptr;
    ReleaseSRWLockExclusive(&lock);
    while (block) {
        THeader* next = block->next;
        std::free(block);
        block = next;
    }
}

std::size_t TFreedMemoryWatch::Freed() const {
    AcquireSRWLockShared(&lock);
    std::size_t count = 0;
    for (const THeader* b = quarantine; b; b = b->next)
        ++count;
    ReleaseSRWLockShared(&lock);
    return count;
}

std::size_t TFreedMemoryWatch::Overwritten() const {
    AcquireSRWLockShared(&lock);
    std::size_t count = 0;
    for (THeader* b = quarantine; b; b = b->next)
        if (!Poisoned(BlockOf(b), b->size)) ++count;
    ReleaseSRWLockShared(&lock);
    return count;
}

} // namespace testing_memory
