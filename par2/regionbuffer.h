#pragma once

#include <cstddef>
#include <cstdint>

// A zeroed buffer for the sums and gathered slices of the encoder, which
// run to many megabytes and are touched once from end to end: it asks for
// huge pages where the system gives them on request, since faulting in
// 4 KiB pages one by one costs a fair share of the whole encode.
class RegionBuffer
{
public:
    RegionBuffer() = default;
    explicit RegionBuffer(size_t bytes);
    RegionBuffer(RegionBuffer&& other) noexcept;
    RegionBuffer& operator=(RegionBuffer&& other) noexcept;
    RegionBuffer(const RegionBuffer&) = delete;
    RegionBuffer& operator=(const RegionBuffer&) = delete;
    ~RegionBuffer();

    uint8_t* data() { return m_data; }
    const uint8_t* data() const { return m_data; }
    size_t size() const { return m_size; }

private:
    uint8_t* m_data = nullptr;
    size_t m_size = 0;
};
