#pragma once

#include <QString>

// Names of the volumes after the first, derived from the first volume's path.
// index 0 is the first volume itself.
class VolumeNaming {
public:
    // game.rar, game.r00 .. game.r99, game.s00 ...; or game.001, game.002 ...
    // when the first volume ends in three digits.
    static QString rar(const QString& firstVolume, int index);
    // game.ace, game.c00 .. game.c99, game.100, game.101 ...
    static QString ace(const QString& firstVolume, int index);

    static bool isRarVolume(const QString& firstVolume, const QString& fileName);
    static bool isAceVolume(const QString& firstVolume, const QString& fileName);

private:
    static QString stem(const QString& path);
};
