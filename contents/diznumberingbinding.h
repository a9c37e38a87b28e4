#pragma once

#include <QObject>

class DizFile;
class RipJob;

// Keeps the Diz page's number boxes, "&Test" and "&Edit" in step with the
// job: every change of autoNumbering or of dizPath, whoever makes it (the
// options, "&Create", Browse, a script, the job check, the output mode of an
// image source), runs DizFile's numberingChanged or pathChanged. Lives as
// long as the job and the page logic it joins.
class DizNumberingBinding : public QObject
{
    Q_OBJECT
public:
    DizNumberingBinding(RipJob& job, DizFile& diz, QObject* parent = nullptr);
};
