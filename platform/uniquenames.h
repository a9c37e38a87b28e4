#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The names of one folder of a set as its readers take them. The readers
// are DOS and Windows programs on file systems that compare names without
// regard to case; so two names that differ only in case ("Readme.txt",
// "README.TXT"), or only in the bytes behind one text (a name in Latin-1
// bytes and the same name in UTF-8, both read as "café.txt"), are one name
// there, and unpacking would keep one file of the two. The first to be
// claimed keeps its name; each later one gets a name no other entry has:
// a name whose bytes are not UTF-8 is written with those bytes as "%E9"
// ("caf%E9.txt"), which says which file it was; any other gets " (2)"
// before its extension ("README (2).TXT"), or the next free number.
// Names are compared case-folded, not normalised: "é" and "e" followed by a
// combining accent stay two names, as they are on Windows.
class UniqueNames
{
public:
    // Every name the folder holds, so that no new name is one of them.
    explicit UniqueNames(const QStringList& names);

    struct Claim {
        QString name;        // what to store the entry under
        bool renamed = false; // `name` is a new one
        QString clashesWith;  // then: the earlier entry's name, as shown
    };
    // nativeName/utf8: the entry's bytes and whether they are UTF-8 (`name`
    // then is their text); shownName: the entry as a message names it.
    Claim claim(const QString& name, const QByteArray& nativeName, bool utf8, const QString& shownName);

    // The warning for a renamed entry: both names, where, and the new name.
    static QString warning(const QString& folder, const QString& shownName, const Claim& claim);

private:
    static QString key(const QString& name) { return name.toCaseFolded(); }
    bool free(const QString& name) const;

    QSet<QString> m_existing;
    QHash<QString, QString> m_claimed; // key -> the name as shown of the entry that holds it
};
