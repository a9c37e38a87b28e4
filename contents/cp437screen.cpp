#include "contents/cp437screen.h"

#include "platform/textcodec.h"

#include <QHash>
#include <QStringView>
#include <array>

namespace {

// The glyphs a DOS screen draws for the control bytes 0x00..0x1F.
constexpr std::array<char32_t, 32> kControlGlyphs = {
    0x2400, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x0009, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};
constexpr char32_t kHouse = 0x2302;       // 0x7F
constexpr char32_t kTabGlyph = 0x25CB;    // what the screen draws for 0x09
constexpr char32_t kParagraph = 0x2029;   // a text document's line break
constexpr char32_t kLineSeparator = 0x2028;

struct Tables {
    std::array<char32_t, 256> glyph{};
    QHash<char32_t, int> byte;

    Tables()
    {
        for (int b = 0; b < 0x20; ++b)
            glyph[b] = kControlGlyphs[b];
        for (int b = 0x20; b < 0x7F; ++b)
            glyph[b] = char32_t(b);
        glyph[0x7F] = kHouse;
        // The upper half is the code page's own table.
        for (int b = 0x80; b < 0x100; ++b)
            glyph[b] = textcodec::fromCp437(QByteArray(1, char(b))).at(0).unicode();
        for (int b = 0; b < 0x100; ++b)
            byte.insert(glyph[b], b);
        // The raw control characters stand for their own bytes as well, and
        // the circle the screen draws for a tab for the tab.
        for (int b = 0; b < 0x20; ++b)
            byte.insert(char32_t(b), b);
        byte.insert(0x7F, 0x7F);
        byte.insert(kTabGlyph, 0x09);
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

bool isLineBreak(char32_t c)
{
    return c == U'\n' || c == kParagraph || c == kLineSeparator;
}

void appendCodePoint(QString& out, char32_t c)
{
    out.append(QString::fromUcs4(&c, 1));
}

} // namespace

QString Cp437Screen::toScreen(const QByteArray& bytes)
{
    const Tables& t = tables();
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            out.append(QLatin1Char('\n'));
            ++i;
            continue;
        }
        appendCodePoint(out, t.glyph[b]);
    }
    return out;
}

int Cp437Screen::byteOf(char32_t c)
{
    return tables().byte.value(c, -1);
}

QByteArray Cp437Screen::fromScreen(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 32);
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (isLineBreak(c)) {
            out.append("\r\n", 2);
            continue;
        }
        const int b = byteOf(c);
        out.append(b < 0 ? kReplacement : char(b));
    }
    return out;
}

QString Cp437Screen::holdable(const QString& text)
{
    const Tables& t = tables();
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (isLineBreak(c)) {
            appendCodePoint(out, c);
            continue;
        }
        const int b = byteOf(c);
        // A raw control character is shown as its glyph, as it will be read back.
        appendCodePoint(out, b < 0 ? char32_t(kReplacement) : t.glyph[b]);
    }
    return out;
}
