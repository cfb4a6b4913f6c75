// FileDialogs.cpp - the file and folder choosers and their Qt service.
#include "ui/services/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "core/Paths.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"

namespace ovui {

namespace {

class UnattendedFileDialogs : public FileDialogService {
  public:
    bool choose(const FileDialogRequest& /*request*/, Tvx_StringArray& /*chosen*/) override {
        return false;
    }
};

QString nameFilters(const FileDialogRequest& request) {
    QString filters = toQt(request.filter);
    if (!filters.isEmpty()) {
        filters += QStringLiteral(";;");
    }
    return filters + QObject::tr("All files (*)");
}

}  // namespace

ovbase::Service<FileDialogService>& fileDialogService() {
    static constinit ovbase::Service<FileDialogService> slot{
        &ovbase::defaultService<FileDialogService, UnattendedFileDialogs>};
    return slot;
}

bool QtFileDialogService::choose(const FileDialogRequest& request, Tvx_StringArray& chosen) {
    if (!canShowDialogs()) {
        return false;
    }
    QFileDialog dialog(QApplication::activeWindow(), toQt(request.title));
    const QString start = QString::fromStdString(toFileSystemPath(request.start).string());
    dialog.setDirectory(start);
    dialog.setNameFilters(nameFilters(request).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(toQt(request.extension));
    switch (request.kind) {
        case FileDialogKind::Open:
            dialog.setFileMode(QFileDialog::ExistingFile);
            break;
        case FileDialogKind::Save:
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            break;
        case FileDialogKind::OpenMulti:
            dialog.setFileMode(QFileDialog::ExistingFiles);
            break;
        case FileDialogKind::Folder:
            dialog.setFileMode(QFileDialog::Directory);
            dialog.setOption(QFileDialog::ShowDirsOnly);
            break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    chosen.removeAll();
    for (const QString& file : dialog.selectedFiles()) {
        chosen.append(fromQt(file));
    }
    return true;
}

}  // namespace ovui

namespace {

bool chooseOne(const ovui::FileDialogRequest& request, Tvx_String& path) {
    Tvx_StringArray chosen;
    if (!ovui::fileDialogService()->choose(request, chosen) || chosen.isEmpty() ||
        chosen[0].isEmpty()) {
        return false;
    }
    path = toBackslashes(chosen[0]);
    return true;
}

}  // namespace

bool DlgOpenSave(bool open, const Tvx_String& extension, const Tvx_String& filter,
                 const Tvx_String& title, Tvx_String& path) {
    const ovui::FileDialogRequest request{
        open ? ovui::FileDialogKind::Open : ovui::FileDialogKind::Save, extension, filter, title,
        path};
    Tvx_String chosen;
    if (!chooseOne(request, chosen)) {
        return false;
    }
    if (!open && !extension.isEmpty() && getExtension(chosen).isEmpty()) {
        chosen = changeExtension(chosen, extension);
    }
    path = chosen;
    return true;
}

bool DlgOpenMulti(const Tvx_String& extension, const Tvx_String& description,
                  const Tvx_String& title, const Tvx_String& startFolder, Tvx_StringArray& paths) {
    const Tvx_String filter = description + L" (*." + extension + L")";
    const ovui::FileDialogRequest request{ovui::FileDialogKind::OpenMulti, extension, filter, title,
                                          startFolder};
    Tvx_StringArray chosen;
    if (!ovui::fileDialogService()->choose(request, chosen) || chosen.isEmpty()) {
        return false;
    }
    paths.removeAll();
    for (int i = 0; i < chosen.length(); ++i) {
        paths.append(toBackslashes(chosen[i]));
    }
    return true;
}

bool DlgBrowseFolder(const Tvx_String& title, Tvx_String& folder) {
    const ovui::FileDialogRequest request{ovui::FileDialogKind::Folder, Tvx_String(), Tvx_String(),
                                          title, folder};
    Tvx_String chosen;
    if (!chooseOne(request, chosen)) {
        return false;
    }
    folder = withTrailingSeparator(chosen);
    return true;
}
