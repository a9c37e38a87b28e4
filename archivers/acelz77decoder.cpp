#include "acelz77decoder.h"

#include "acelz77encoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t WindowSize = 1u << AceLz77Decoder::WindowBits;
constexpr uint32_t WindowMask = WindowSize - 1;
// Decoded bytes are passed on in pieces of this size at the least, and long
// before the window would overwrite them.
constexpr uint64_t FlushSize = 256 * 1024;

constexpr int Literals = 256;
constexpr int RepeatSymbols = 4;
constexpr int FirstDistanceSymbol = Literals + RepeatSymbols;

// The shortest match of each kind, which its length code counts from.
uint32_t repeatBase(int index)
{
    return index < 2 ? 2 : 3;
}
uint32_t lengthBase(uint32_t stored)
{
    return stored <= 255 ? 2 : stored <= 8191 ? 3 : 4;
}

} // namespace

AceLz77Decoder::AceLz77Decoder()
    : m_main(AceLz77Encoder::MaxCodeBits)
    , m_lengths(AceLz77Encoder::MaxCodeBits)
{
}

AceLz77Decoder::Status AceLz77Decoder::corrupt(const QString& why)
{
    m_error = why;
    return Status::Corrupt;
}

void AceLz77Decoder::flush()
{
    while (m_flushed < m_produced) {
        const uint32_t at = uint32_t(m_flushed & WindowMask);
        const uint64_t piece = std::min<uint64_t>(m_produced - m_flushed, WindowSize - at);
        (*m_output)(reinterpret_cast<const char*>(m_window.get()) + at, std::size_t(piece));
        m_flushed += piece;
    }
}

bool AceLz77Decoder::copyMatch(uint32_t distance, uint32_t length)
{
    if (distance > m_produced)
        return false;
    length = uint32_t(std::min<uint64_t>(length, m_size - m_produced));
    uint32_t to = uint32_t(m_produced & WindowMask);
    uint32_t from = (to - distance) & WindowMask;
    uint8_t* const w = m_window.get();
    if (to + length <= WindowSize && from + length <= WindowSize && distance >= 8) {
        // Eight bytes at a time read only bytes written before them.
        uint32_t i = 0;
        for (; i + 8 <= length; i += 8)
            std::memcpy(w + to + i, w + from + i, 8);
        for (; i < length; ++i)
            w[to + i] = w[from + i];
    } else if (distance == 1 && to + length <= WindowSize) {
        std::memset(w + to, w[from], length);
    } else {
        // Overlapping copies repeat the bytes just written, as they must.
        for (uint32_t i = 0; i < length; ++i) {
            m_window[to] = m_window[from];
            to = (to + 1) & WindowMask;
            from = (from + 1) & WindowMask;
        }
    }
    m_produced += length;
    return true;
}

AceLz77Decoder::Status AceLz77Decoder::decode(uint64_t size, const AceBitReader::Input& input,
                                              const Output& output)
{
    if (!m_window)
        m_window = std::make_unique_for_overwrite<uint8_t[]>(WindowSize);
    m_size = size;
    m_produced = 0;
    m_flushed = 0;
    m_repeats.fill(0);
    m_output = &output;
    m_error.clear();
    AceBitReader in(input);

    while (m_produced < m_size) {
        if (!m_main.read(in, AceLz77Encoder::MainSymbols) || !m_lengths.read(in, AceLz77Encoder::LengthSymbols))
            return in.failed() ? Status::InputFailed : corrupt(QStringLiteral("a code table cannot be read"));
        // The reader counts a block's symbols down in 16 bits: a count of 0
        // stands for 65,536.
        uint32_t symbols = in.take(15);
        if (symbols == 0)
            symbols = 1u << 16;
        for (; symbols > 0 && m_produced < m_size; --symbols) {
            const int sym = m_main.decode(in);
            if (in.failed())
                return Status::InputFailed;
            if (sym < 0 || in.overrun())
                return corrupt(QStringLiteral("a code no symbol has, or data ending early"));
            if (sym < Literals) {
                m_window[m_produced & WindowMask] = uint8_t(sym);
                if (++m_produced - m_flushed >= FlushSize)
                    flush();
                continue;
            }
            uint32_t stored;
            uint32_t base;
            if (sym < FirstDistanceSymbol) {
                const int r = sym - Literals;
                stored = m_repeats[std::size_t(r)];
                std::rotate(m_repeats.begin(), m_repeats.begin() + r, m_repeats.begin() + r + 1);
                base = repeatBase(r);
            } else {
                const int bits = sym - FirstDistanceSymbol;
                if (bits > WindowBits)
                    return corrupt(QStringLiteral("a distance beyond any dictionary"));
                stored = bits < 2 ? uint32_t(bits) : in.take(bits - 1) + (1u << (bits - 1));
                std::rotate(m_repeats.begin(), m_repeats.begin() + 3, m_repeats.end());
                m_repeats[0] = stored;
                base = lengthBase(stored);
            }
            const int lengthCode = m_lengths.decode(in);
            if (lengthCode < 0 || in.overrun())
                return in.failed() ? Status::InputFailed
                                   : corrupt(QStringLiteral("a code no length has, or data ending early"));
            if (!copyMatch(stored + 1, uint32_t(lengthCode) + base))
                return corrupt(QStringLiteral("a match reaching back before the file's start"));
            if (m_produced - m_flushed >= FlushSize)
                flush();
        }
        if (in.failed())
            return Status::InputFailed;
        if (in.overrun())
            return corrupt(QStringLiteral("the packed data ends before the file"));
    }
    flush();
    return Status::Done;
}
