// CImageListCtrl.cpp - the thumbnail list.
#include "ui/controls/CImageListCtrl.h"

#include <QImageReader>
#include <QPainter>

#include "core/Paths.h"
#include "ui/QtText.h"

CImageListCtrl::CImageListCtrl(QWidget* parent) : QListWidget(parent) {
    InitListCtrl();
}

void CImageListCtrl::InitListCtrl(int thumbnailSize) {
    thumbnailSize_ = thumbnailSize > 0 ? thumbnailSize : 96;
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(thumbnailSize_, thumbnailSize_));
    setGridSize(QSize(thumbnailSize_ + 48, thumbnailSize_ + 56));
    setTextElideMode(Qt::ElideNone);
    setSpacing(4);
}

void CImageListCtrl::setFiles(const Tvx_StringArray& files) {
    files_ = files;
    folder_.empty();
    pattern_.empty();
    if (!files_.isEmpty()) {
        folder_ = getFolder(files_[0]);
        const Tvx_String extension = getExtension(files_[0]);
        pattern_ = extension.isEmpty() ? Tvx_String(L"*") : L"*." + extension;
    }
}

void CImageListCtrl::setNames(const Tvx_StringArray& names) {
    clear();
    for (int i = 0; i < files_.length(); ++i) {
        const Tvx_String name =
            i < names.length() ? names[i] : removeExtension(getFileName(files_[i]));
        auto* entry = new QListWidgetItem(QIcon(thumbnail(files_[i])), ovui::toQt(name), this);
        entry->setToolTip(ovui::toQt(name));
        entry->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

Tvx_String CImageListCtrl::GetSelectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? Tvx_String() : ovui::fromQt(selected.front()->text());
}

bool CImageListCtrl::selectName(const Tvx_String& name) {
    for (int i = 0; i < count(); ++i) {
        if (ovui::fromQt(item(i)->text()) == name) {
            setCurrentRow(i);
            item(i)->setSelected(true);
            return true;
        }
    }
    return false;
}

QPixmap CImageListCtrl::thumbnail(const Tvx_String& file) const {
    QImageReader reader(QString::fromStdString(toFileSystemPath(file).string()));
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > thumbnailSize_ || full.height() > thumbnailSize_)) {
        reader.setScaledSize(full.scaled(thumbnailSize_, thumbnailSize_, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return placeholder();
    }
    // Centre the picture on a square so that every entry lines up.
    QPixmap square(thumbnailSize_, thumbnailSize_);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.drawImage((thumbnailSize_ - image.width()) / 2, (thumbnailSize_ - image.height()) / 2,
                      image);
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(0, 0, thumbnailSize_ - 1, thumbnailSize_ - 1);
    return square;
}

QPixmap CImageListCtrl::placeholder() const {
    QPixmap square(thumbnailSize_, thumbnailSize_);
    square.fill(QColor(245, 245, 245));
    QPainter painter(&square);
    painter.setPen(QColor(170, 170, 170));
    painter.drawRect(0, 0, thumbnailSize_ - 1, thumbnailSize_ - 1);
    painter.drawLine(0, 0, thumbnailSize_ - 1, thumbnailSize_ - 1);
    painter.drawLine(thumbnailSize_ - 1, 0, 0, thumbnailSize_ - 1);
    return square;
}
