// CImageListCtrl.h - a list of thumbnails with names under them, made from picture files, with at
// most one selected entry. A file that cannot be read shows a drawn placeholder.
#pragma once

#include <QListWidget>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class CImageListCtrl : public QListWidget {
    Q_OBJECT

  public:
    explicit CImageListCtrl(QWidget* parent = nullptr);

    // The default look: icon mode, thumbnails of `thumbnailSize` pixels, single selection.
    void InitListCtrl(int thumbnailSize = 96);

    // The picture files, in display order. The folder and the name pattern are taken from the
    // first file ("C:\\lib\\a.bmp" -> "C:\\lib\\", "*.bmp").
    void setFiles(const Tvx_StringArray& files);
    const Tvx_StringArray& files() const { return files_; }
    const Tvx_String& folder() const { return folder_; }
    const Tvx_String& pattern() const { return pattern_; }

    // The names shown under the thumbnails, one per file (missing names show the file name);
    // builds the thumbnails.
    void setNames(const Tvx_StringArray& names);

    // The name of the selected thumbnail; empty when none is selected.
    Tvx_String GetSelectedName() const;
    // Selects the entry with this name; false when there is none.
    bool selectName(const Tvx_String& name);

  private:
    QPixmap thumbnail(const Tvx_String& file) const;
    QPixmap placeholder() const;

    Tvx_StringArray files_;
    Tvx_String folder_;
    Tvx_String pattern_;
    int thumbnailSize_ = 96;
};
