// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time and memory: a plain Qt window with the
// calculator's controls (nine text boxes, nine labels, a button, the menus and
// a status line) and none of its work.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *canvas = new QWidget(&window);
    canvas->setMinimumSize(448, 505);
    window.setCentralWidget(canvas);
    for (int i = 0; i < 9; ++i) {
        auto *edit = new QLineEdit(canvas);
        edit->setGeometry(280, 16 + 56 * i, 129, 33);
        auto *label = new QLabel(QStringLiteral("Label"), canvas);
        label->setGeometry(24, 24 + 56 * i, 129, 25);
    }
    auto *button = new QPushButton(QStringLiteral("Button"), canvas);
    button->setGeometry(152, 128, 81, 49);
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("About"));
    menu->addAction(QStringLiteral("About"));
    menu->addAction(QStringLiteral("Help"));
    window.menuBar()->addAction(QStringLiteral("Exit"));
    window.statusBar()->addWidget(new QLabel(&window), 1);
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.show();
    return QApplication::exec();
}
