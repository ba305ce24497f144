#pragma once

#include <cstddef>
#include <limits>
#include <new>
#include <type_traits>
#include <vector>

// Where the engine takes its working memory from: the heap, unless a caller hands it another
// source (a test makes every allocation fail). Our own small interface rather than
// std::pmr::memory_resource, which the browser edition's standard library does not provide.
class WorkingMemory {
public:
    virtual ~WorkingMemory() = default;

    // Throws std::bad_alloc when the memory cannot be had.
    virtual void* Allocate(std::size_t bytes, std::size_t alignment) = 0;
    virtual void Deallocate(void* pointer, std::size_t bytes, std::size_t alignment) noexcept = 0;
};

// The global operator new and delete.
WorkingMemory* HeapWorkingMemory();

// A standard allocator drawing on a WorkingMemory. It goes with its container on every move,
// copy and swap, so a container always frees into the source that gave it the memory.
template <typename T> class WorkingAllocator {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    explicit WorkingAllocator(WorkingMemory* memory = HeapWorkingMemory()) noexcept
        : m_memory(memory) {}
    template <typename U>
    WorkingAllocator(const WorkingAllocator<U>& other) noexcept : m_memory(other.Memory()) {}

    T* allocate(std::size_t count) {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(m_memory->Allocate(count * sizeof(T), alignof(T)));
    }
    void deallocate(T* pointer, std::size_t count) noexcept {
        m_memory->Deallocate(pointer, count * sizeof(T), alignof(T));
    }

    WorkingMemory* Memory() const noexcept { return m_memory; }

    template <typename U> bool operator==(const WorkingAllocator<U>& other) const noexcept {
        return m_memory == other.Memory();
    }

private:
    WorkingMemory* m_memory;
};

template <typename T> using WorkingVector = std::vector<T, WorkingAllocator<T>>;
