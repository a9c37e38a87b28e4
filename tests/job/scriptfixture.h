#pragma once

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/scriptfile.h"
#include "job/viewstate.h"

#include <gtest/gtest.h>

// A job, its window texts and the script commands on a fresh application
// directory with a drive d: for sources and scripts.
class ScriptTest : public ::testing::Test
{
protected:
    ScriptTest()
        : scripts(job, view, app, t.services, t.home())
    {
        t.addDrive(QLatin1Char('d'));
    }

    // Writes a script from lines (joined with CR LF, each line ended) and reads it.
    void readLines(const QStringList& lines, const QByteArray& tail = "\r\n")
    {
        QByteArray bytes;
        for (qsizetype i = 0; i < lines.size(); ++i)
            bytes += lines[i].toLatin1() + (i + 1 < lines.size() ? QByteArray("\r\n") : tail);
        t.write("d:\\job.zvk", bytes);
        job.setScriptPath("d:\\job.zvk");
        scripts.readScript();
    }

    static QStringList fullScript()
    {
        return {"Zavok32 script - 12-07-1999  13:45:09",
                "Source: d:\\games",
                "Skip: ",
                "extras\\*.*",
                "readme.txt",
                "",
                "Diz: d:\\file_id.diz",
                "AutoN: True",
                "Col: 10",
                "Lin: 3",
                "Nfo: d:\\info.nfo",
                " 1st: 1",
                " File:True",
                " Extra:d:\\extra.txt",
                "Zip: d:\\out",
                " name:mygame",
                " Size: 3",
                " Solid: 5",
                " Extra: 2",
                ""};
    }

    TempHome t;
    RipJob job;
    ViewState view;
    AppState app;
    ScriptFile scripts;
};
