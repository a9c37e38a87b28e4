#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// A folder's entries as the file system holds them. Qt's own listings leave
// out every name that is not valid UTF-8 (a file copied from an old disk,
// "l\xE9gacy.txt"), and Qt's paths cannot name such a file at all; here a
// name is kept as its bytes, which open the file, and given as text: UTF-8
// when the bytes are UTF-8, otherwise the bytes read as Windows-1252, which
// is how the DOS and Windows readers of a set take names.
class NativeDirectory
{
public:
    struct Entry {
        QByteArray nativeName;
        QString name;
        bool utf8 = true; // false: `name` is the bytes read as Windows-1252
    };

    // What lstat says of a path, and of a link's target.
    struct Status {
        enum class Type { Missing, File, Directory, Other };
        Type type = Type::Missing; // of the target, for a link
        bool link = false;
        uint64_t size = 0;
        QDateTime modified;
        uint64_t device = 0;
        bool writable = false;
    };

    // Every entry but "." and "..", in the order the system gives them; none
    // when the folder cannot be read (the reason in *error).
    static std::optional<std::vector<Entry>> list(const QByteArray& folder, QString* error = nullptr);
    static Status status(const QByteArray& path);

    static QString decodeName(const QByteArray& bytes, bool* utf8 = nullptr);
    // The bytes for a message: ASCII as it is, every other byte as \xNN.
    static QString escaped(const QByteArray& bytes);
    static QByteArray join(const QByteArray& folder, const QByteArray& name);
};
