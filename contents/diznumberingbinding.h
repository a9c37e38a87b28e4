#pragma once

#include <QObject>

class DizFile;
class RipJob;

// Keeps the Diz page's number boxes and "&Test" in step with the job: every
// change of autoNumbering, whoever makes it (the options, "&Create", a
// script, the output mode of an image source), runs DizFile's
// numberingChanged. Lives as long as the job and the page logic it joins.
class DizNumberingBinding : public QObject
{
    Q_OBJECT
public:
    DizNumberingBinding(RipJob& job, DizFile& diz, QObject* parent = nullptr);
};
