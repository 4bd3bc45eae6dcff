#pragma once

// Local
#include "designscale.h"

// Qt
#include <QWidget>

class QTextBrowser;
class QTextDocument;
struct Module1;

// The info window "Form1": the document info.rtf from the working directory, read once per load.
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

private:
    QTextBrowser* RichTextBox1;
    DesignLayout layout_;
};
