#include "form1.h"

// Local
#include "module1.h"
#include "problem.h"
#include "rtfreader.h"

// Qt
#include <QTextBrowser>
#include <QTextDocument>

void Form1::showFor(Module1& module, QWidget* parent)
{
    if (Form1* info = module.info) {
        info->setWindowState(info->windowState() & ~Qt::WindowMinimized);
        info->show();
        info->raise();
        info->activateWindow();
        return;
    }
    auto* document = new QTextDocument;
    richtext::RtfReader reader;
    if (!reader.readFile(QStringLiteral("info.rtf"), document)) {
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
    // The box keeps its design place and size whatever the window's size.
    layout_.place(RichTextBox1, {120, 120, 9315, 6555});
    const DesignScale scale;
    layout_.apply(scale);
    resize(scale.toPixelRect(QRectF(0, 0, 4680, 3195)).size());
}
