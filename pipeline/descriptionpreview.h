#pragma once

#include <QByteArray>

// Where the description numbering shows its test result: the description
// editor opened for a preview (text replaced, File menu disabled, OK shown,
// Save and Import hidden, not modal). The text is code page 437 bytes with
// CR LF line ends, exactly as the numbered copy was written.
class DescriptionPreview
{
public:
    virtual ~DescriptionPreview() = default;
    virtual void showPreview(const QByteArray& cp437Text) = 0;
};
