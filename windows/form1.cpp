// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/form1.h"

// Local
#include "richtext/rtfreader.h"
#include "windows/module1.h"
#include "windows/problem.h"
#include "windows/showagain.h"

// Qt
#include <QFileInfo>
#include <QLocale>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

// Standard library
#include <cmath>

namespace {

// What the zoom fits into the window: the text box with its margins repeated at its right and
// bottom.
const QRectF kDesignArea(0, 0, 120 + 9315 + 120, 120 + 6555 + 120);

// The window is never smaller than the design area at this zoom. info.rtf's smallest text, its
// body in Arial 10 pt, is then 10 pixels (Liberation Sans: an x-height of 5 pixels, capitals of
// 7), and every word of it, Russian or English, still reads; at 0.6 (8 pixels) the Cyrillic
// letters of three or four strokes (ш, щ, ы, м) run together, and at the 300 x 200 pixels of a
// window with no minimum (zoom 0.44) nothing reads at all.
constexpr double kSmallestZoom = 0.75;

} // namespace

void Form1::showFor(Module1& module, QWidget* parent)
{
    if (module.info) {
        showAgain(module.info);
        return;
    }
    // A page or two of rules is some 20 kB. A document thousands of times that size would take
    // seconds to read and lay out, the game frozen meanwhile, so it is refused with a message.
    const QString path = QStringLiteral("info.rtf");
    if (const QFileInfo file(path); file.isFile() && file.size() > kMaxDocumentSize) {
        showProblem(parent, QStringLiteral("The information cannot be shown."),
                    QStringLiteral("%1: too large (%2; the info window shows documents of up to "
                                   "%3)")
                        .arg(path,
                             QLocale::c().formattedDataSize(file.size(), 1,
                                                            QLocale::DataSizeTraditionalFormat),
                             QLocale::c().formattedDataSize(kMaxDocumentSize, 0,
                                                            QLocale::DataSizeTraditionalFormat)));
        return;
    }
    auto* document = new QTextDocument;
    richtext::RtfReader reader;
    if (!reader.readFile(path, document)) {
        delete document;
        showProblem(parent, QStringLiteral("The information cannot be shown."),
                    reader.errorString());
        return;
    }
    module.info = new Form1(document);
    module.info->showMaximized();
}

Form1::Form1(QTextDocument* document, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));

    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    document->setParent(RichTextBox1);
    RichTextBox1->setDocument(document);
    RichTextBox1->setOpenLinks(false);
    connect(RichTextBox1, &QTextBrowser::anchorClicked, this, &Form1::RichTextBox1_AnchorClicked);
    zoom_ = std::make_unique<DocumentZoom>(document, RichTextBox1->viewport());
    layout_.place(RichTextBox1, {120, 120, 9315, 6555});
    const QSizeF smallest = DesignScale(kSmallestZoom).toPixels(kDesignArea).size();
    setMinimumSize(int(std::ceil(smallest.width())), int(std::ceil(smallest.height())));
    resize(DesignScale().toPixelRect(QRectF(0, 0, 4680, 3195)).size());
}

void Form1::RichTextBox1_AnchorClicked(const QUrl& link)
{
    if (link.scheme().isEmpty() && link.path().isEmpty() && link.hasFragment())
        RichTextBox1->scrollToAnchor(link.fragment());
}

void Form1::resizeEvent(QResizeEvent*)
{
    const DesignScale scale = DesignScale::fitting(kDesignArea, size());
    zoom_->setZoom(scale.zoom());
    layout_.apply(scale);
}
