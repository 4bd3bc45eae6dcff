// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "windows/designscale.h"
#include "windows/documentzoom.h"

// Qt
#include <QWidget>

// Standard library
#include <memory>

class QTextBrowser;
class QTextDocument;
class QUrl;
struct Module1;

// The info window "Form1": the document info.rtf from the working directory, read once per load.
// Its text box keeps its design place in the window's design area and zooms with the window, the
// text too, by the rule of the game window.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // INFO: shows the loaded info window, or loads one from info.rtf. A document that cannot be
    // read gets a message on parent, and no window.
    static void showFor(Module1& module, QWidget* parent);

    // The largest info.rtf the window reads.
    static constexpr qint64 kMaxDocumentSize = 4 * 1024 * 1024;

    explicit Form1(QTextDocument* document, QWidget* parent = nullptr);

    QTextBrowser* richTextBox() const { return RichTextBox1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A link within the document ("#name", to a bookmark) scrolls there; the window opens
    // nothing outside it.
    void RichTextBox1_AnchorClicked(const QUrl& link);

    QTextBrowser* RichTextBox1;
    DesignLayout layout_;
    std::unique_ptr<DocumentZoom> zoom_;
};
