#include "ui/qtfiledialog.h"

#include "platform/driveservice.h"
#include "source/folderpathentry.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>

namespace {

// Takes a DOS path typed into the name field as the host path it names: a
// folder is opened, a file chosen.
class DosPathFileDialog : public QFileDialog
{
public:
    DosPathFileDialog(const DriveService& drives, QWidget* parent, const QString& title)
        : QFileDialog(parent, title)
        , m_drives(drives)
    {
    }

    void accept() override
    {
        QLineEdit* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name) {
            if (const auto host = FolderPathEntry::typedDosPathToHost(m_drives, name->text())) {
                const QFileInfo info(*host);
                if (info.isDir()) {
                    setDirectory(info.absoluteFilePath());
                    name->clear();
                    return;
                }
                setDirectory(info.absolutePath());
                selectFile(info.fileName());
            }
        }
        QFileDialog::accept();
    }

private:
    const DriveService& m_drives;
};

} // namespace

QtFileDialog::QtFileDialog(const DriveService& drives, QWidget* parent)
    : m_drives(drives)
    , m_parent(parent)
{
}

QStringList QtFileDialog::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (label.isEmpty() && patterns.isEmpty())
            continue;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.isEmpty())
            patterns = QStringLiteral("*");
        // Qt reads the patterns from the last parentheses, so a label that
        // already shows them is used as it stands.
        if (label.endsWith(QLatin1Char(')')) && label.contains(QLatin1Char('(')) && label.contains(patterns))
            result << label;
        else
            result << label + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

std::optional<QString> QtFileDialog::ask(const FileDialogRequest& request)
{
    DosPathFileDialog dialog(m_drives, m_parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setObjectName(QStringLiteral("zavokFileDialog"));
    // The mapped drives are the dialog's places.
    QList<QUrl> places;
    for (QChar letter : m_drives.driveLetters()) {
        if (const auto root = m_drives.toHost(QString(letter) + QStringLiteral(":\\")))
            places << QUrl::fromLocalFile(*root);
    }
    dialog.setSidebarUrls(places);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = qBound(0, request.filterIndex - 1, int(filters.size()) - 1);
        dialog.selectNameFilter(filters.at(index));
    }

    if (!request.initialDir.isEmpty()) {
        if (const auto host = m_drives.toHost(request.initialDir)) {
            const QFileInfo info(*host);
            dialog.setDirectory(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
        }
    }
    // A pattern preset only filters; a plain name is offered for editing.
    if (!request.fileName.isEmpty() && !request.fileName.contains(QLatin1Char('*'))
        && !request.fileName.contains(QLatin1Char('?')))
        dialog.selectFile(request.fileName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    const auto dos = m_drives.toDos(chosen);
    if (!dos)
        return std::nullopt;
    return *dos;
}
