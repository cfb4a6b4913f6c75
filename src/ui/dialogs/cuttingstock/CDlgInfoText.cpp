// CDlgInfoText.cpp - the read-only text dialog.
#include "ui/dialogs/cuttingstock/CDlgInfoText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

CDlgInfoText::CDlgInfoText(const Tvx_String& title, const Tvx_String& closeText,
                           const Tvx_String& text, QWidget* parent)
    : OvDialog(0, parent) {
    setWindowTitle(toQt(title));
    auto* layout = new QVBoxLayout(this);
    auto* view = addControl(kText, new QPlainTextEdit(this));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(toQt(text));
    layout->addWidget(view);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* close = addControl(IDCANCEL, new QPushButton(toQt(closeText), this));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { OnCancel(); });
    row->addWidget(close);
    layout->addLayout(row);
    // Wide enough for a listing's dash lines (116 characters) without scrolling.
    const int textWidth = view->fontMetrics().horizontalAdvance(QString(118, QLatin1Char('-')));
    resize(std::min(textWidth + 60, 1200), 380);
}

void ExportStartDlgInfo(const Tvx_String& title, const Tvx_String& closeText,
                        const Tvx_String& text) {
    CDlgInfoText dialog(title, closeText, text);
    dialog.DoModal();
}
