#include "ui/soundswitch.h"

#include "ui/appfiles.h"

#include "job/appstate.h"
#include "platform/textfile.h"

#include <QFileInfo>

SoundSwitch::SoundSwitch(AppState& app, QString appDirHost)
    : m_app(app)
    , m_appDirHost(std::move(appDirHost))
{
}

QString SoundSwitch::markerPath() const
{
    return appfiles::find(m_appDirHost, markerName());
}

void SoundSwitch::load()
{
    if (QFileInfo::exists(markerPath()))
        m_app.soundsEnabled = false;
}

void SoundSwitch::toggle()
{
    if (m_app.soundsEnabled) {
        m_app.soundsEnabled = false;
        TextFile::writeText(markerPath(), QStringLiteral("\r\n"));
    } else {
        m_app.soundsEnabled = true;
        appfiles::removeAll(m_appDirHost, markerName());
    }
}
