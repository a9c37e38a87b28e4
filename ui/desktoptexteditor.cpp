#include "ui/desktoptexteditor.h"

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

bool DesktopTextEditor::open(const QString& hostPath)
{
    return openWithPlainTextDefault(hostPath) || QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath));
}

bool DesktopTextEditor::openWithPlainTextDefault(const QString& hostPath)
{
    GAppInfo* app = g_app_info_get_default_for_type("text/plain", FALSE);
    if (!app)
        return false;
    GFile* file = g_file_new_for_path(QFile::encodeName(hostPath).constData());
    GList* files = g_list_append(nullptr, file);
    GError* error = nullptr;
    const bool started = g_app_info_launch(app, files, nullptr, &error);
    if (error)
        g_error_free(error);
    g_list_free(files);
    g_object_unref(file);
    g_object_unref(app);
    return started;
}
