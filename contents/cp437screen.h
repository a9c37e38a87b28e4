#pragma once

#include <QByteArray>
#include <QString>

// A description's bytes as a DOS text screen shows them, and back. Every
// byte 0x00..0xFF has a character of its own: the box drawing, blocks and
// accented letters of code page 437 above 0x7F, and the screen's glyphs for
// the control bytes (0x01 is a smiling face, 0x7F a house), so that what a
// description holds can be seen and is written back unchanged.
//
// On the screen a line break stands for CR LF. A CR or LF that is not part
// of such a pair shows as its glyph (0x0D a note, 0x0A an inverse circle),
// the way a DOS screen draws it, so it survives an edit too. A tab stays a
// tab, and NUL, which DOS draws as a blank, shows as the NUL symbol so that
// it cannot be mistaken for a blank.
class Cp437Screen
{
public:
    static QString toScreen(const QByteArray& bytes);

    // Characters the code page cannot hold become '?' (one for each
    // character, never dropped); see holdable().
    static QByteArray fromScreen(const QString& text);

    // What typing or pasting `text` puts into a description: composed where
    // a composed form exists (e plus an accent becomes one letter), and with
    // every character code page 437 cannot hold replaced by '?', so the
    // replacement is seen before it is saved. Line breaks ('\n', and the
    // paragraph separator U+2029 of a text document) stay as they are.
    static QString holdable(const QString& text);

    // The byte a screen character stands for; -1 when there is none.
    static int byteOf(char32_t c);

    static constexpr char kReplacement = '?';
};
