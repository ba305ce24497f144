#include "model/WorkingMemory.h"

namespace {

class HeapMemory final : public WorkingMemory {
public:
    void* Allocate(std::size_t bytes, std::size_t alignment) override {
        return ::operator new (bytes, std::align_val_t{alignment});
    }
    // The unsized form: clang declares sized deallocation only when asked to.
    void Deallocate(void* pointer, std::size_t, std::size_t alignment) noexcept override {
        ::operator delete (pointer, std::align_val_t{alignment});
    }
};

} // namespace

WorkingMemory* HeapWorkingMemory() {
    static HeapMemory heap;
    return &heap;
}
