// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The reference for the start-up benchmark: a bare Qt dialog with the same 29
// controls as the main window (4 input and 5 result edits, 2 radio buttons,
// 3 push buttons, 11 labels, 4 group boxes), placed by hand, run modally.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>


int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("PI Network V1.0"));
    dialog.setFixedSize(408, 255);
    for (int i = 0; i < 9; ++i)
        (new QLineEdit(&dialog))->setGeometry(20 + (i % 3) * 120, 60 + (i / 3) * 40, 75, 21);
    for (int i = 0; i < 2; ++i)
        (new QRadioButton(QStringLiteral("Caps"), &dialog))->setGeometry(150, 45 + i * 15, 110, 16);
    for (int i = 0; i < 3; ++i)
        (new QPushButton(QStringLiteral("Button"), &dialog))
            ->setGeometry(150 + i * 60, 200, 55, 23);
    for (int i = 0; i < 11; ++i)
        (new QLabel(QStringLiteral("Label"), &dialog))
            ->setGeometry(20 + (i % 4) * 90, 40 + (i / 4) * 40, 80, 13);
    for (int i = 0; i < 4; ++i)
        (new QGroupBox(QStringLiteral("Group"), &dialog))->setGeometry(8 + i * 100, 30, 95, 190);
    return dialog.exec();
}
