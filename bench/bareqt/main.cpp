// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick: the least a Qt 6 Widgets program does to put the game's windows on the screen.
//
//   bareqt                 one window of the start-up window's design size ("Bare Qt"): what
//                          start-up is measured against
//   bareqt --four-windows  that, and three maximized windows of the kinds the game opens on a
//                          dealt board: a painted canvas ("Bare board"), 44 small pictures ("Bare
//                          pictures") and a read-only rich-text view holding a document of the
//                          info document's size and fonts ("Bare text"): what peak memory is
//                          measured against

// Local
#include "bench/bareqt/barecanvas.h"

// Qt
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTextBrowser>
#include <QWidget>

// Standard library
#include <memory>
#include <vector>

namespace {

// 44 pictures of a tile's size (80 x 52 pixels), each a little drawing of its own.
std::unique_ptr<QWidget> picturesWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Bare pictures"));
    auto* grid = new QGridLayout(window.get());
    for (int k = 0; k < 44; ++k) {
        QPixmap picture(80, 52);
        picture.fill(QColor::fromHsv(k * 8, 60, 250));
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor::fromHsv(k * 8, 200, 200));
        painter.drawEllipse(QRectF(10, 12, 50, 28));
        painter.drawText(QRectF(60, 2, 18, 14), Qt::AlignRight, QString::number(k / 2 + 1));
        painter.end();
        auto* label = new QLabel(window.get());
        label->setPixmap(picture);
        grid->addWidget(label, k / 2 % 11, k / 22 * 2 + k % 2);
    }
    return window;
}

// A document like the game's info document: as long (some 8,200 characters in 76 paragraphs,
// Russian mostly, with headings, bulleted lists and tables) and in the same fonts (a title in
// Times New Roman, the rest in Arial, 10 points). Sections of one sentence, over and over.
QString infoSizedDocument()
{
    constexpr int kCharacters = 8190;
    const QString sentence = QString::fromUtf16(
        u"Снимайте с поля две свободные фишки с парными рисунками, пока не уберёте все. ");
    QString html = QStringLiteral("<body style=\"font-family: Arial; font-size: 10pt\"><h1 "
                                  "style=\"font-family: 'Times New Roman'\">Fish Pairs</h1>");
    int characters = 10;
    for (int section = 1; characters < kCharacters; ++section) {
        const QString heading = QStringLiteral("Section %1").arg(section);
        html += QStringLiteral("<h2>%1</h2>").arg(heading);
        characters += int(heading.size());
        for (int paragraph = 0; paragraph < 4; ++paragraph)
            html += QStringLiteral("<p>%1</p>").arg(sentence.repeated(section % 3 + 1));
        html += QStringLiteral("<ul>");
        for (int item = 0; item < 3; ++item)
            html += QStringLiteral("<li>%1</li>").arg(sentence);
        html += QStringLiteral("</ul><table border=\"1\"><tr><td>HINT</td><td>%1</td></tr></table>")
                    .arg(sentence.repeated(2));
        characters += int(sentence.size()) * (4 * (section % 3 + 1) + 3 + 2) + 4;
    }
    return html + QStringLiteral("</body>");
}

std::unique_ptr<QWidget> textWindow()
{
    auto window = std::make_unique<QTextBrowser>();
    window->setWindowTitle(QStringLiteral("Bare text"));
    window->setHtml(infoSizedDocument());
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    window.resize(315, 289);
    window.show();

    std::vector<std::unique_ptr<QWidget>> others;
    if (QApplication::arguments().contains(QStringLiteral("--four-windows"))) {
        others.push_back(std::make_unique<BareCanvas>());
        others.back()->setWindowTitle(QStringLiteral("Bare board"));
        others.push_back(picturesWindow());
        others.push_back(textWindow());
        for (const auto& other : others)
            other->showMaximized();
    }
    return QApplication::exec();
}
