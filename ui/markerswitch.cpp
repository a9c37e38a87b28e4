#include "ui/markerswitch.h"

#include "platform/textfile.h"
#include "ui/appfiles.h"

#include <QFileInfo>

MarkerSwitch::MarkerSwitch(bool& flag, QString appDirHost, QString markerName)
    : m_flag(flag)
    , m_appDirHost(std::move(appDirHost))
    , m_marker(std::move(markerName))
{
}

QString MarkerSwitch::markerPath() const
{
    return appfiles::find(m_appDirHost, m_marker);
}

void MarkerSwitch::load()
{
    if (QFileInfo::exists(markerPath()))
        m_flag = false;
}

void MarkerSwitch::toggle()
{
    if (m_flag) {
        m_flag = false;
        TextFile::writeText(markerPath(), QStringLiteral("\r\n"));
    } else {
        m_flag = true;
        appfiles::removeAll(m_appDirHost, m_marker);
    }
}
