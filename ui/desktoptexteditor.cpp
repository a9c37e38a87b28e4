#include "ui/desktoptexteditor.h"

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QFile>

namespace {

// Starts the application GIO has for a content type on the file; false when
// there is none or it cannot be started. GIO reads the desktop's own
// associations (mimeapps.list and the .desktop files), as file managers do.
bool launchDefaultFor(const char* contentType, const QString& hostPath)
{
    GAppInfo* app = g_app_info_get_default_for_type(contentType, FALSE);
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

} // namespace

bool DesktopTextEditor::open(const QString& hostPath)
{
    if (openWithPlainTextDefault(hostPath))
        return true;
    // The application the file's own type has: a desktop may know ".nfo"
    // but nothing for plain text. Only a program that really started
    // counts: an opener that fails later, out of sight, would leave the
    // user clicking at nothing.
    gboolean uncertain = FALSE;
    gchar* type = g_content_type_guess(QFile::encodeName(hostPath).constData(), nullptr, 0, &uncertain);
    const bool started = type && launchDefaultFor(type, hostPath);
    g_free(type);
    return started;
}

bool DesktopTextEditor::openWithPlainTextDefault(const QString& hostPath)
{
    return launchDefaultFor("text/plain", hostPath);
}
