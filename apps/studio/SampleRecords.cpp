// SampleRecords.cpp - sample records and pictures.
#include "SampleRecords.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace studio {

namespace {

QString toQt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}
Tvx_String fromQt(const QString& text) {
    return Tvx_String(text.toStdWString());
}

// The outline of a section shape in a 100 x 100 box.
QPainterPath sectionOutline(const QString& shape) {
    QPainterPath path;
    if (shape == QLatin1String("HEA")) {
        path.addRect(10, 15, 80, 10);
        path.addRect(45, 25, 10, 50);
        path.addRect(10, 75, 80, 10);
    } else if (shape == QLatin1String("IPE")) {
        path.addRect(25, 5, 50, 8);
        path.addRect(46, 13, 8, 74);
        path.addRect(25, 87, 50, 8);
    } else if (shape == QLatin1String("UPN")) {
        path.addRect(25, 10, 45, 10);
        path.addRect(25, 20, 10, 60);
        path.addRect(25, 80, 45, 10);
    } else {
        path.addRect(20, 10, 10, 80);
        path.addRect(30, 80, 50, 10);
    }
    return path.simplified();
}

Tvx_String writeSectionPicture(const QDir& folder, const QString& shape) {
    const QString file = folder.filePath(shape + QStringLiteral(".png"));
    if (!QFileInfo::exists(file)) {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2.0, 2.0);
        painter.setPen(QPen(QColor(30, 50, 100), 1.5));
        painter.setBrush(QColor(170, 190, 220));
        painter.drawPath(sectionOutline(shape));
        painter.end();
        image.save(file);
    }
    return fromQt(file);
}

}  // namespace

OvDlgCis2Data sampleCis2Record() {
    return OvDlgCis2Data();
}

OvGridDlgData sampleGridRecord() {
    OvGridDlgData record;
    record.m_distances1 = L"2*6000 7500";
    return record;
}

OvSelectImageDlgData sampleSelectImageRecord(const QString& pictureFolder) {
    QDir folder(pictureFolder);
    folder.mkpath(QStringLiteral("."));
    OvSelectImageDlgData record;
    record.m_title = L"Select a section";
    for (const char* shape : {"HEA", "IPE", "UPN", "L"}) {
        record.m_files.append(writeSectionPicture(folder, QString::fromLatin1(shape)));
    }
    return record;
}

QString describe(const OvDlgCis2Data& r) {
    return QStringLiteral("options %1 %2 %3 %4 %5")
        .arg(r.m_option1)
        .arg(r.m_option2)
        .arg(r.m_option3)
        .arg(r.m_option4)
        .arg(r.m_option5);
}

QString describe(const OvGridDlgData& r) {
    return QStringLiteral("%1 lines \"%2\" from \"%3\"; %4 lines \"%5\" from \"%6\"; option %7")
        .arg(r.m_count1)
        .arg(toQt(r.m_distances1), toQt(r.m_firstName1))
        .arg(r.m_count2)
        .arg(toQt(r.m_distances2), toQt(r.m_firstName2))
        .arg(r.m_option);
}

QString describe(const OvSelectImageDlgData& r) {
    return QStringLiteral("%1 pictures, selection \"%2\"")
        .arg(r.m_files.length())
        .arg(toQt(r.m_selection));
}

}  // namespace studio
